// Copy and walk speed of the file layer against cp and find on the same data, in the same run: the
// median of alternating rounds and the ratio (peer / ours, above 1: we are faster). Data goes to a temporary folder
// under BENCH_DIR (default /tmp).

#include "peer_timing.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/text.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

void Shell(const std::string& command)
{
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "failed: %s\n", command.c_str());
        std::exit(1);
    }
}

void WritePattern(const std::string& path, std::size_t size)
{
    std::vector<char> block(1 << 20);
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<char>((i * 2654435761u) >> 13);
    }
    std::ofstream out(path, std::ios::binary);
    for (std::size_t done = 0; done < size; done += block.size()) {
        out.write(block.data(), static_cast<std::streamsize>(std::min(block.size(), size - done)));
    }
}

// Reads the files so that both copies start with the source in the page cache.
void Warm(const std::string& path)
{
    Shell("cat $(find '" + path + "' -type f) > /dev/null");
}

// Copies every file below from (Windows path, with trailing "\") to to, folders included.
void CopyTree(const std::u16string& from, const std::u16string& to)
{
    CreateDirectoryW(to.c_str(), nullptr);
    WIN32_FIND_DATAW data;
    const HANDLE find = FindFirstFileW((from + u"*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if (data.cFileName == u"." || data.cFileName == u"..") {
            continue;
        }
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            CopyTree(from + data.cFileName + u"\\", to + data.cFileName + u"\\");
        } else if (!CopyFileExW((from + data.cFileName).c_str(), (to + data.cFileName).c_str(), nullptr, nullptr,
                                nullptr, 0)) {
            std::fprintf(stderr, "copy failed: %u\n", GetLastError());
            std::exit(1);
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

std::size_t CountTree(const std::u16string& folder)
{
    std::size_t count = 0;
    WIN32_FIND_DATAW data;
    const HANDLE find = FindFirstFileW((folder + u"*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return 0;
    }
    do {
        if (data.cFileName == u"." || data.cFileName == u"..") {
            continue;
        }
        ++count;
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            count += CountTree(folder + data.cFileName + u"\\");
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return count;
}

}  // namespace

int main(int argc, char** argv)
{
    // An optional argument picks one part: large, small or walk.
    const std::string only = argc > 1 ? argv[1] : "";
    const auto runs = [&only](const char* part) { return only.empty() || only == part; };
    const char* base = std::getenv("BENCH_DIR");
    std::string root = std::string(base ? base : "/tmp") + "/copy-walk-XXXXXX";
    if (!::mkdtemp(root.data())) {
        return 1;
    }
    platform::Drive drive;
    drive.letter = u'B';
    drive.hostFolder = root;
    platform::MountDrive(drive);

    // One large file.
    if (runs("large")) {
        fs::create_directories(root + "/large");
        WritePattern(root + "/large/big.bin", std::size_t{1} << 30);
        const auto large = bench::MedianOf(
            3,
            [&](int) {
                Warm(root + "/large");
                const double t = bench::Seconds(
                    [] { CopyFileExW(u"B:\\large\\big.bin", u"B:\\big-ours.bin", nullptr, nullptr, nullptr, 0); });
                fs::remove(root + "/big-ours.bin");
                return t;
            },
            [&](int) {
                Warm(root + "/large");
                const double t = bench::Seconds(
                    [&] { Shell("cp --reflink=never " + root + "/large/big.bin " + root + "/big-cp.bin"); });
                fs::remove(root + "/big-cp.bin");
                return t;
            });
        fs::remove_all(root + "/large");
        bench::Report("1 GiB file, CopyFileExW", large, "cp --reflink=never");
    }

    // 20,000 small files in 40 folders.
    if (runs("small")) {
        for (int folder = 0; folder < 40; ++folder) {
            const std::string path = root + "/small/d" + std::to_string(folder);
            fs::create_directories(path);
            for (int file = 0; file < 500; ++file) {
                WritePattern(path + "/f" + std::to_string(file) + ".dat", 200 + (file * 37 % 16) * 1000);
            }
        }
        const auto small = bench::MedianOf(
            5,
            [&](int round) {
                Warm(root + "/small");
                const std::u16string to = u"B:\\small-ours-" + platform::FromUtf8(std::to_string(round)) + u"\\";
                return bench::Seconds([&] { CopyTree(u"B:\\small\\", to); });
            },
            [&](int round) {
                Warm(root + "/small");
                const std::string to = root + "/small-cp-" + std::to_string(round);
                return bench::Seconds([&] { Shell("cp -r --reflink=never " + root + "/small " + to); });
            });
        bench::Report("20,000 small files, CopyFileExW", small, "cp -r --reflink=never");
    }

    // 100,000 entries: 100 folders of 1,000 empty files.
    if (runs("walk")) {
        for (int folder = 0; folder < 100; ++folder) {
            const std::string path = root + "/walk/d" + std::to_string(folder);
            fs::create_directories(path);
            for (int file = 0; file < 1000; ++file) {
                std::ofstream(path + "/entry" + std::to_string(file) + ".txt");
            }
        }
        std::size_t counted = 0;
        Shell("find " + root + "/walk > /dev/null");
        const auto walk = bench::MedianOf(
            5, [&](int) { return bench::Seconds([&] { counted = CountTree(u"B:\\walk\\"); }); },
            [&](int) {
                return bench::Seconds([&] { Shell("find " + root + "/walk -printf '%y %s %T@ %p\\n' > /dev/null"); });
            });
        const double plainFind = bench::Seconds([&] { Shell("find " + root + "/walk > /dev/null"); });
        bench::Report("walk of 100,000 entries", walk, "find -printf (type,size,time)");
        bench::Report("walk of 100,000 entries", {walk.ours, plainFind, plainFind / walk.ours}, "find (names only)");
        std::printf("entries walked: %zu\n", counted);
    }

    fs::remove_all(root);
    return 0;
}
