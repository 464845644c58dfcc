// Whole-run comparisons of the engine against peer tools on the same data, in one run:
//   container encode/decode of a 256 MiB mixed file against lzop -1 piped into openssl AES-256-ECB,
//   a plain copy of 20,000 small files through CopyOneFile against cp -a (median of alternating rounds),
//   duplicate detection over 10,000 and 100,000 unchanged files (the time should grow linearly).
// Usage: engine_bench [container|copy|duplicates]...  (all three without arguments)

#include "backup/base/BackupDriveLayout.h"
#include "backup/engine/Container.h"
#include "backup/engine/CopyOneFile.h"
#include "backup/engine/DuplicateDetection.h"
#include "backup/engine/ListFiles.h"
#include "backup/engine/PackedLines.h"
#include "backup/engine/RunningJob.h"
#include "peer_timing.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/text.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

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

void WriteMixedFile(const fs::path& path, std::size_t bytes)
{
    std::mt19937 random(7);
    std::vector<char> block(1 << 20);
    std::ofstream out(path, std::ios::binary);
    for (std::size_t done = 0, k = 0; done < bytes; done += block.size(), ++k) {
        // Alternating incompressible and text-like megabytes.
        for (std::size_t i = 0; i < block.size(); ++i) {
            block[i] = (k % 2 == 0) ? static_cast<char>(random()) : "backup engine text "[(i + k) % 19];
        }
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
}

void BenchContainer(const fs::path& host)
{
    const std::string pass = platform::ToAnsi(CONTAINER_PASS);
    WriteMixedFile(host / "mixed.bin", 256u << 20);
    RunningJob job;
    const double encode = bench::Seconds(
        [&] { EncodeContainerFile(job, u"B:\\mixed.bin", u"B:\\mixed.vemoen", pass, CONTAINER_KEY_AES256, nullptr); });
    const double decode =
        bench::Seconds([&] { DecodeContainerFile(job, u"B:\\mixed.vemoen", u"B:\\back.bin", pass, nullptr); });
    const std::string key = "3031323334353637383930313233343536373839303132333435363738393031";
    const std::string in = (host / "mixed.bin").string();
    const std::string packed = (host / "mixed.lzo.aes").string();
    const double peerEncode = bench::Seconds(
        [&] { Shell("lzop -1 -c '" + in + "' | openssl enc -aes-256-ecb -K " + key + " -out '" + packed + "'"); });
    const double peerDecode = bench::Seconds([&] {
        Shell("openssl enc -d -aes-256-ecb -K " + key + " -in '" + packed + "' | lzop -d -c > '" +
              (host / "peer.bin").string() + "'");
    });
    std::printf("container 256 MiB: encode %.2f s (peer %.2f s, ratio %.2f), decode %.2f s (peer %.2f s, ratio %.2f)\n",
                encode, peerEncode, peerEncode / encode, decode, peerDecode, peerDecode / decode);
}

void BenchCopy(const fs::path& host)
{
    constexpr int kFiles = 20000;
    constexpr int kPerFolder = 500;
    std::vector<char> content(2048, 'x');
    for (int i = 0; i < kFiles; ++i) {
        const fs::path folder = host / "src" / std::to_string(i / kPerFolder);
        fs::create_directories(folder);
        std::ofstream(folder / (std::to_string(i) + ".doc"), std::ios::binary).write(content.data(), 2048);
    }
    // Both sides start with the source written back and in the page cache.
    Shell("sync; cat $(find '" + (host / "src").string() + "' -type f) > /dev/null");
    int failures = 0;
    const auto timing = bench::MedianOf(
        5,
        [&](int round) {
            const std::u16string to = u"B:\\dst" + Wide(std::to_string(round)) + u"\\";
            RunningJob job;
            return bench::Seconds([&] {
                CreateDirectoryW(to.c_str(), nullptr);
                for (int i = 0; i < kFiles; ++i) {
                    const std::string folder = std::to_string(i / kPerFolder);
                    if (i % kPerFolder == 0) {
                        CreateDirectoryW((to + Wide(folder)).c_str(), nullptr);
                    }
                    const std::u16string relative = Wide(folder + "\\" + std::to_string(i) + ".doc");
                    DWORD error = 0;
                    failures +=
                        !CopyOneFile(job, u"B:\\src\\" + relative, to + relative, COPY_PLAIN, u"", nullptr, &error);
                }
            });
        },
        [&](int round) {
            const std::string to = (host / ("peer" + std::to_string(round))).string();
            return bench::Seconds([&] { Shell("cp -a '" + (host / "src").string() + "' '" + to + "'"); });
        });
    std::printf("plain copy of %d files (%d failed):\n", kFiles, failures);
    bench::Report("  CopyOneFile mode 0", timing, "cp -a");
}

// An earlier Easy run of `files` empty documents that ended as runs end, with its list files, and
// a new run of the same files timed through the candidate walk and one test per file.
double DuplicateRun(const fs::path& host, int files)
{
    const std::u16string document = DocumentBackupFolder(u"B:\\", false, false);
    const std::u16string earlier = document + u"\\20240101_000000";
    fs::remove_all(host / "Harbex_Solo+");
    const fs::path run = host / "Harbex_Solo+" / "PC1anna61" / "Easy" / "Document" / "20240101_000000" / "C";
    PackedLines oriSizes;
    for (int i = 0; i < files; ++i) {
        const fs::path folder = run / std::to_string(i / 1000);
        if (i % 1000 == 0) {
            fs::create_directories(folder);
        }
        const fs::path file = folder / (std::to_string(i) + ".doc");
        std::ofstream{file};
        // One time for all, so that every file is an unchanged duplicate however long creating them took.
        fs::last_write_time(file, fs::file_time_type{});
        AddOriSizeLine(oriSizes, earlier + Wide("\\C\\" + std::to_string(i / 1000) + "\\" + std::to_string(i) + ".doc"),
                       0);
    }
    if (SaveListFile(oriSizes, OriSizeFilePath(earlier)) != ERROR_SUCCESS ||
        SaveListFile(PackedLines(), RepeatListPath(earlier)) != ERROR_SUCCESS) {
        std::fprintf(stderr, "the earlier run's list files were not saved\n");
    }
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((document + u"\\20240101_000000\\C\\0\\0.doc").c_str(), &found);
    FindClose(find);
    const SYSTEMTIME start{2024, 3, 5, 1, 0, 0, 0, 0};
    RunningJob job;
    return bench::Seconds([&] {
        DuplicateCandidates candidates;
        CollectEasyCandidates(job, candidates, {1, 0, 0, 0, 0}, start, {document, u"", u"", u"", u""});
        PerEasyCategory<lists::TStringList> lists;
        const PerEasyCategory<lists::TStringList*> repeat = {&lists[0], &lists[1], &lists[2], &lists[3], &lists[4]};
        int matched = 0;
        for (int i = 0; i < files; ++i) {
            const std::u16string relative = Wide("C\\" + std::to_string(i / 1000) + "\\" + std::to_string(i) + ".doc");
            matched += IsEasyDuplicate(job, candidates, 1, document + u"\\20240301_000000\\" + relative,
                                       found.ftLastWriteTime, 0, repeat);
        }
        if (matched != files) {
            std::fprintf(stderr, "only %d of %d files matched\n", matched, files);
        }
    });
}

void BenchDuplicates(const fs::path& host)
{
    const double small = DuplicateRun(host, 10000);
    const double large = DuplicateRun(host, 100000);
    std::printf("duplicate detection: 10,000 files %.2f s, 100,000 files %.2f s (ratio %.1f for 10x the files)\n",
                small, large, large / small);
}

}  // namespace

int main(int argc, char** argv)
{
    std::string pattern = (fs::temp_directory_path() / "engine_bench_XXXXXX").string();
    const fs::path host = mkdtemp(pattern.data());
    platform::Drive drive;
    drive.letter = u'B';
    drive.hostFolder = host.string();
    platform::MountDrive(drive);
    platform::SystemRecord record;
    record.computerName = u"PC1";
    record.userName = u"anna";
    platform::SetSystemRecord(record);

    const std::vector<std::string> chosen(argv + 1, argv + argc);
    auto wanted = [&](const char* name) {
        return chosen.empty() || std::find(chosen.begin(), chosen.end(), name) != chosen.end();
    };
    if (wanted("container")) {
        BenchContainer(host);
    }
    if (wanted("copy")) {
        BenchCopy(host);
    }
    if (wanted("duplicates")) {
        BenchDuplicates(host);
    }
    fs::remove_all(host);
    return 0;
}
