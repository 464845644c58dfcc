// Whole jobs of the engine, headless, against the tools users compare us with, on one generated
// tree (default 50,000 files of 1-16 KiB in 686 folders; the first argument sets the file count):
//   Manual Backup (full)        against cp -a of the tree
//   unchanged re-run            against an rsync -a no-op
//   re-run with 1 % changed     against rsync -a of the same change
//   restore of the full run     against cp -a of that run folder
//   delete newest / oldest run  against rm -rf of a copy of that run folder
// Each pair is timed in the same round, alternating which side goes first; the ratio is
// peer time / ours (above 1: we are faster). Peak RSS is the process's peak during our side.
// Usage: job_bench [files] [rounds]

#include "backup/engine/core/Delete.h"
#include "backup/engine/core/ManualBackupRun.h"
#include "backup/engine/core/Restore.h"
#include "backup/engine/core/RunningJob.h"
#include "backup/frame/base/BackupDriveLayout.h"
#include "peer_timing.h"
#include "platform/drives.h"
#include "platform/system.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kFolders = 686;

void Shell(const std::string& command)
{
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "command failed: %s\n", command.c_str());
    }
}

std::u16string Wide(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}

void WriteTree(const fs::path& root, int files)
{
    std::mt19937 random(11);
    std::vector<char> content(16384);
    for (char& c : content) {
        c = static_cast<char>(random());
    }
    for (int i = 0; i < files; ++i) {
        const fs::path folder = root / ("d" + std::to_string(i % kFolders));
        if (i < kFolders) {
            fs::create_directories(folder);
        }
        const auto size = static_cast<std::streamsize>(1024 + random() % (16384 - 1024));
        std::ofstream(folder / ("f" + std::to_string(i) + ".bin"), std::ios::binary).write(content.data(), size);
    }
}

// Rewrites every hundredth file with new bytes and a new write time.
void ChangeOnePercent(const fs::path& root, int files, int round)
{
    for (int i = round % 100; i < files; i += 100) {
        std::ofstream(root / ("d" + std::to_string(i % kFolders)) / ("f" + std::to_string(i) + ".bin"),
                      std::ios::binary | std::ios::app)
            << "changed " << round;
    }
}

void ResetPeakRss()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

long PeakRssKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("VmHWM:")) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return 0;
}

// Run stamps have a resolution of one second.
void NextSecond()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
}

struct Job {
    fs::path host;
    int files = 0;
    ui::TStringList completed;
    ui::TStringList failed;
    RunningJob job;

    std::u16string ManualFolder() const { return ManualBackupFolder(u"B:\\", false, false); }

    std::vector<std::u16string> Runs() const
    {
        std::vector<std::u16string> runs;
        for (const auto& entry : fs::directory_iterator(host / "bak" / "Harbex_Solo+" / "PC1anna61" / "Manual")) {
            runs.push_back(Wide(entry.path().filename().string()));
        }
        std::sort(runs.begin(), runs.end());
        return runs;
    }

    void Backup()
    {
        BACKUP_SELECTION selection;
        selection.Count = 1;
        selection.SourcePaths = {u"S:\\tree"};
        selection.ItemNames = {u"tree"};
        selection.RelativePaths = {u"S\\tree"};
        completed.Clear();
        failed.Clear();
        RunManualBackup(job, completed, failed, selection, u"B:\\", u"", 0, nullptr);
        if (failed.Count() != 0 || completed.Count() != files) {
            std::fprintf(stderr, "backup: %d completed, %d failed\n", completed.Count(), failed.Count());
        }
    }

    void Restore(const std::u16string& run, const std::u16string& to)
    {
        BACKUP_SELECTION selection;
        selection.Count = 1;
        selection.SourcePaths = {ManualFolder() + u"\\" + run};
        selection.ItemNames = {run};
        completed.Clear();
        failed.Clear();
        const RESTORE_JOB lists{&completed, &failed, u"", nullptr};
        RunManualRestore(job, lists, selection, ManualFolder(), to, false);
        if (failed.Count() != 0) {
            std::fprintf(stderr, "restore: %d failed\n", failed.Count());
        }
    }

    void Delete(const std::u16string& run)
    {
        DELETE_SELECTION selection;
        selection.Count = 1;
        selection.Paths = {ManualFolder() + u"\\" + run};
        if (!DeleteSelectedItems(job, selection, ManualFolder(), nullptr)) {
            std::fprintf(stderr, "delete failed\n");
        }
    }
};

struct Row {
    const char* job;
    const char* peer;
    std::vector<double> ours;
    std::vector<double> peers;
    long peakKb = 0;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One round of both sides, the peer first on even rounds.
void Pair(Row& row, int round, const std::function<void()>& ours, const std::function<void()>& peer)
{
    auto timeOurs = [&] {
        ResetPeakRss();
        row.ours.push_back(bench::Seconds(ours));
        row.peakKb = std::max(row.peakKb, PeakRssKb());
    };
    auto timePeer = [&] { row.peers.push_back(bench::Seconds(peer)); };
    if (round % 2 == 0) {
        timePeer();
        timeOurs();
    } else {
        timeOurs();
        timePeer();
    }
}

}  // namespace

int main(int argc, char** argv)
{
    Job job;
    job.files = argc > 1 ? std::atoi(argv[1]) : 50000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    std::string pattern = (fs::temp_directory_path() / "job_bench_XXXXXX").string();
    job.host = mkdtemp(pattern.data());
    const fs::path& host = job.host;
    for (const char* folder : {"src", "bak", "out", "peer"}) {
        fs::create_directories(host / folder);
    }
    for (const auto& [letter, folder] : {std::pair{u'S', "src"}, std::pair{u'B', "bak"}, std::pair{u'O', "out"}}) {
        platform::Drive drive;
        drive.letter = letter;
        drive.hostFolder = (host / folder).string();
        platform::MountDrive(drive);
    }
    platform::SystemRecord record;
    record.computerName = u"PC1";
    record.userName = u"anna";
    platform::SetSystemRecord(record);
    WriteTree(host / "src" / "tree", job.files);
    Shell("sync; find '" + (host / "src").string() + "' -type f -exec cat {} + > /dev/null");
    const std::string src = (host / "src" / "tree").string();
    const std::string peer = (host / "peer").string();
    const std::string manual = (host / "bak" / "Harbex_Solo+" / "PC1anna61" / "Manual").string();

    Row full{"first full backup", "cp -a"};
    Row unchanged{"second run, nothing changed", "rsync -a no-op"};
    Row changed{"re-run, 1 % changed", "rsync -a"};
    Row restore{"restore whole run", "cp -a"};
    Row newest{"delete newest run", "rm -rf"};
    Row oldest{"delete oldest run", "rm -rf"};
    for (int round = 0; round < rounds; ++round) {
        const std::string mirror = peer + "/m" + std::to_string(round);
        Pair(
            full, round, [&] { job.Backup(); }, [&] { Shell("cp -a '" + src + "' '" + mirror + "'"); });
        NextSecond();
        Pair(
            unchanged, round, [&] { job.Backup(); }, [&] { Shell("rsync -a '" + src + "/' '" + mirror + "/'"); });
        NextSecond();
        ChangeOnePercent(host / "src" / "tree", job.files, round);
        Pair(
            changed, round, [&] { job.Backup(); }, [&] { Shell("rsync -a '" + src + "/' '" + mirror + "/'"); });
        const std::vector<std::u16string> runs = job.Runs();
        const std::string newestRun(runs.back().begin(), runs.back().end());
        const std::string oldestRun(runs.front().begin(), runs.front().end());
        const std::u16string to = u"O:\\r" + Wide(std::to_string(round));
        Pair(
            restore, round, [&] { job.Restore(runs.front(), to); },
            [&] { Shell("cp -a '" + manual + "/" + oldestRun + "' '" + peer + "/r" + std::to_string(round) + "'"); });
        Shell("cp -a '" + manual + "/" + newestRun + "' '" + peer + "/n'");
        Pair(
            newest, round, [&] { job.Delete(runs.back()); }, [&] { Shell("rm -rf '" + peer + "/n'"); });
        Shell("cp -a '" + manual + "/" + oldestRun + "' '" + peer + "/o'");
        Pair(
            oldest, round, [&] { job.Delete(runs.front()); }, [&] { Shell("rm -rf '" + peer + "/o'"); });
        Shell("rm -rf '" + manual + "' '" + host.string() + "/out/'* '" + peer + "/'*");
        NextSecond();
    }
    std::printf("%d files, %d rounds (medians; ratio = peer / ours, above 1: we are faster)\n", job.files, rounds);
    for (const Row* row : {&full, &unchanged, &changed, &restore, &newest, &oldest}) {
        const double ours = Median(row->ours);
        const double theirs = Median(row->peers);
        std::printf("%-30s ours %8.3f s   %-16s %8.3f s   ratio %5.2f   peak RSS %7.1f MB (%ld B/file)\n", row->job,
                    ours, row->peer, theirs, theirs / ours, static_cast<double>(row->peakKb) / 1024.0,
                    row->peakKb * 1024 / job.files);
    }
    fs::remove_all(host);
    return 0;
}
