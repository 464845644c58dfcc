#pragma once
// Times one of our operations against a peer tool on the same data. The rounds alternate which side
// goes first, each side starts after a sync with nothing of the other still being written, and the
// ratio is the median of the rounds' ratios, peer time / ours (above 1: we are faster): a slow moment of the machine
// (the file system skipping recently freed inodes, another process's writes) hits the two sides of a round alike.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <unistd.h>
#include <vector>

namespace bench {

inline double Seconds(const std::function<void()>& run)
{
    ::sync();
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Timing {
    double ours = 0;  // median seconds
    double peer = 0;
    double ratio = 0;  // median of peer / ours per round
};

inline double Median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

// Each side gets the round number, so that a copy can go to a folder of its own: deleting many
// files between rounds would slow down the next round's file creation (ext4 avoids reusing
// recently freed inodes).
inline Timing MedianOf(int rounds, const std::function<double(int)>& ours, const std::function<double(int)>& peer)
{
    std::vector<double> oursTimes;
    std::vector<double> peerTimes;
    std::vector<double> ratios;
    for (int round = 0; round < rounds; ++round) {
        if (round % 2 == 0) {
            peerTimes.push_back(peer(round));
            oursTimes.push_back(ours(round));
        } else {
            oursTimes.push_back(ours(round));
            peerTimes.push_back(peer(round));
        }
        ratios.push_back(peerTimes.back() / oursTimes.back());
    }
    return {Median(oursTimes), Median(peerTimes), Median(ratios)};
}

inline void Report(const char* what, const Timing& timing, const char* peerName)
{
    std::printf("%-34s ours %8.3f s   %-30s %8.3f s   ratio %.2f\n", what, timing.ours, peerName, timing.peer,
                timing.ratio);
}

}  // namespace bench
