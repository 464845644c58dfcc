// Whole jobs of the engine, headless, against the tools users compare us with, on one generated
// tree (default 50,000 files of 1-16 KiB in 686 folders; the first argument sets the file count).
// Each round builds a history of three runs and takes it apart again, one row per job:
//   first full backup              against cp -a of the tree
//   unchanged re-run               against an rsync -a no-op
//   re-run with 1 % changed        against rsync -a of the same change
//   restore of the newest run      (its files are references to the earlier runs) against cp -a of the tree
//   restore of the oldest run      (plain copies) against cp -a of that run folder
//   delete newest / oldest run     against rm -rf of a copy of that run folder
// Each of our jobs runs in a child process of its own, so its peak RSS is the job's: the parent
// holds nothing of the tree. Each pair is timed in the same round, alternating which side goes
// first; the ratio is peer time / ours (above 1: we are faster). With strace present, one more
// round, untimed, runs each side under `strace -f` for the system calls per file.
// Usage: job_bench [files] [rounds] [folder]  (the folder keeps each side's calls by name; with
// KEEP_TRACE set, each side's full trace stays beside them)

#include "backup/base/BackupDriveLayout.h"
#include "backup/engine/Delete.h"
#include "backup/engine/ManualBackupRun.h"
#include "backup/engine/Restore.h"
#include "backup/engine/RunningJob.h"
#include "peer_timing.h"
#include "platform/drives.h"
#include "platform/system.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <signal.h>
#include <string>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
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

std::string Narrow(const std::u16string& text)
{
    return std::string(text.begin(), text.end());
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

// Run stamps have a resolution of one second.
void NextSecond()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
}

bool HaveStrace()
{
    return std::system("strace -V > /dev/null 2>&1") == 0;
}

// The trace of one side; strace's own summary (-c) leaves out the calls it has no name for, such as
// getxattrat, so the full trace is counted here.
std::string StraceCommand(const std::string& summary)
{
    return "strace -f -qq -s 0 -e signal=none -o '" + summary + ".trace'";
}

// Counts the calls of the trace beside `summary` by name, writes them there (most first) and returns
// the total; the trace goes.
long SummarizeTrace(const std::string& summary)
{
    std::map<std::string, std::pair<long, long>> byName;  // calls, failed calls
    std::ifstream in(summary + ".trace");
    std::string line;
    long total = 0;
    while (std::getline(in, line)) {
        const std::size_t name = line.find(' ') + 1;
        const std::size_t paren = line.find('(', name);
        if (name == 0 || paren == std::string::npos || line.compare(name, 4, "<...") == 0 ||
            line.compare(name, 3, "+++") == 0) {
            continue;
        }
        auto& [calls, failed] = byName[line.substr(name, paren - name)];
        ++calls;
        failed += line.find(") = -1 ") != std::string::npos ? 1 : 0;
        ++total;
    }
    std::vector<std::pair<std::string, std::pair<long, long>>> sorted(byName.begin(), byName.end());
    std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    std::ofstream out(summary);
    for (const auto& [name, counts] : sorted) {
        out << counts.first << '\t' << counts.second << '\t' << name << '\n';
    }
    out << total << "\t\ttotal\n";
    if (std::getenv("KEEP_TRACE") == nullptr) {
        fs::remove(summary + ".trace");
    }
    return total;
}

// Attaches strace to a process that waits for it; the tracer's process id once it is attached.
pid_t AttachStrace(pid_t traced, const std::string& summary)
{
    const pid_t tracer = ::fork();
    if (tracer == 0) {
        const std::string command = StraceCommand(summary) + " -p " + std::to_string(traced);
        ::execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const std::string status = "/proc/" + std::to_string(traced) + "/status";
    for (int waited = 0; waited < 5000; ++waited) {
        std::ifstream in(status);
        std::string line;
        while (std::getline(in, line)) {
            if (line.starts_with("TracerPid:") && std::strtol(line.c_str() + 10, nullptr, 10) != 0) {
                return tracer;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::fprintf(stderr, "strace did not attach\n");
    return tracer;
}

struct ChildRun {
    double seconds = 0;
    long peakKb = 0;
};

// Runs work in a child process of its own. With a summary file, the child waits until strace is
// attached to it, and strace's summary goes to that file.
ChildRun RunInChild(const std::function<void()>& work, const std::string& summary)
{
    int go[2];
    if (::pipe2(go, O_CLOEXEC) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    ::sync();
    ChildRun run;
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(go[1]);
        ::prctl(PR_SET_PTRACER, PR_SET_PTRACER_ANY);
        char ready = 0;
        while (::read(go[0], &ready, 1) < 0 && errno == EINTR) { }
        work();
        std::fflush(nullptr);
        ::_exit(0);
    }
    ::close(go[0]);
    const pid_t tracer = summary.empty() ? -1 : AttachStrace(child, summary);
    ::close(go[1]);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKb = usage.ru_maxrss;
    if (tracer > 0) {
        ::waitpid(tracer, &status, 0);
    }
    return run;
}

struct Job {
    fs::path host;
    int files = 0;

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

    void Backup() const
    {
        BACKUP_SELECTION selection;
        selection.Count = 1;
        selection.SourcePaths = {u"S:\\tree"};
        selection.ItemNames = {u"tree"};
        selection.RelativePaths = {u"S\\tree"};
        lists::TStringList completed;
        lists::TStringList failed;
        RunningJob job;
        RunManualBackup(job, completed, failed, selection, u"B:\\", u"", 0, nullptr);
        if (failed.Count() != 0 || completed.Count() != files) {
            std::fprintf(stderr, "backup: %d completed, %d failed\n", completed.Count(), failed.Count());
        }
    }

    void Restore(const std::u16string& run, const std::u16string& to) const
    {
        BACKUP_SELECTION selection;
        selection.Count = 1;
        selection.SourcePaths = {ManualFolder() + u"\\" + run};
        selection.ItemNames = {run};
        lists::TStringList completed;
        lists::TStringList failed;
        RunningJob job;
        const RESTORE_JOB lists{&completed, &failed, u"", nullptr};
        RunManualRestore(job, lists, selection, ManualFolder(), to, false);
        if (failed.Count() != 0 || completed.Count() != files) {
            std::fprintf(stderr, "restore: %d completed, %d failed\n", completed.Count(), failed.Count());
        }
    }

    void Delete(const std::u16string& run) const
    {
        DELETE_SELECTION selection;
        selection.Count = 1;
        selection.Paths = {ManualFolder() + u"\\" + run};
        RunningJob job;
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
    long calls = -1;
    long peerCalls = -1;
};

// The rows of one history, each job with its peer; every function is one round of its row.
class Bench {
public:
    Bench(Job& job, std::string straceFolder) : job_(job), straceFolder_(std::move(straceFolder))
    {
        idleKb_ = RunInChild([] {}, "").peakKb;
        src_ = (job.host / "src" / "tree").string();
        peer_ = (job.host / "peer").string();
        manual_ = (job.host / "bak" / "Harbex_Solo+" / "PC1anna61" / "Manual").string();
    }

    Row full{"first full backup", "cp -a"};
    Row unchanged{"unchanged re-run", "rsync -a no-op"};
    Row changed{"re-run, 1 % changed", "rsync -a"};
    Row restoreNewest{"restore newest run", "cp -a"};
    Row restoreOldest{"restore oldest run", "cp -a"};
    Row deleteNewest{"delete newest run", "rm -rf"};
    Row deleteOldest{"delete oldest run", "rm -rf"};

    // A round of every row; counting, the sides run under strace and are not timed.
    void Round(int round, bool counting)
    {
        round_ = round;
        counting_ = counting;
        FirstFullBackup();
        NextSecond();
        UnchangedRerun();
        NextSecond();
        ChangedRerun();
        RestoreNewestRun();
        RestoreOldestRun();
        DeleteNewestRun();
        DeleteOldestRun();
        Shell("rm -rf '" + manual_ + "' '" + job_.host.string() + "/out/'* '" + peer_ + "/'*");
        NextSecond();
    }

    void Print() const
    {
        std::printf("%d files (medians; ratio = peer time / ours, above 1: we are faster; calls = system calls "
                    "per file under strace -f; peak = the job's own process, B/file above an idle one's %.1f MB)\n",
                    job_.files, static_cast<double>(idleKb_) / 1024.0);
        std::printf("%-22s %9s %-15s %9s %6s %8s %8s %9s %9s\n", "job", "ours s", "peer", "peer s", "ratio", "calls",
                    "peer", "peak MB", "B/file");
        for (const Row* row :
             {&full, &unchanged, &changed, &restoreNewest, &restoreOldest, &deleteNewest, &deleteOldest}) {
            const double ours = bench::Median(row->ours);
            const double theirs = bench::Median(row->peers);
            std::printf("%-22s %9.3f %-15s %9.3f %6.2f %8s %8s %9.1f %9ld\n", row->job, ours, row->peer, theirs,
                        theirs / ours, PerFile(row->calls).c_str(), PerFile(row->peerCalls).c_str(),
                        static_cast<double>(row->peakKb) / 1024.0, (row->peakKb - idleKb_) * 1024 / job_.files);
        }
    }

private:
    std::string PerFile(long calls) const
    {
        if (calls < 0) {
            return "-";
        }
        char text[32];
        std::snprintf(text, sizeof text, "%.1f", static_cast<double>(calls) / job_.files);
        return text;
    }

    std::string Summary(const Row& row, const char* side) const
    {
        std::string name = std::string(row.job) + " " + side;
        std::replace(name.begin(), name.end(), ' ', '_');
        std::erase(name, '%');
        std::erase(name, ',');
        return straceFolder_ + "/" + name + ".txt";
    }

    // Our side in a process of its own, the peer through the shell; timed alternately, first the
    // peer on even rounds.
    void Measure(Row& row, const std::function<void()>& ours, const std::string& peer)
    {
        if (counting_) {
            RunInChild(ours, Summary(row, "ours"));
            row.calls = SummarizeTrace(Summary(row, "ours"));
            Shell(StraceCommand(Summary(row, "peer")) + " sh -c \"" + peer + "\"");
            row.peerCalls = SummarizeTrace(Summary(row, "peer"));
            return;
        }
        const auto timeOurs = [&] {
            const ChildRun run = RunInChild(ours, "");
            row.ours.push_back(run.seconds);
            row.peakKb = std::max(row.peakKb, run.peakKb);
        };
        const auto timePeer = [&] { row.peers.push_back(bench::Seconds([&] { Shell(peer); })); };
        if (round_ % 2 == 0) {
            timePeer();
            timeOurs();
        } else {
            timeOurs();
            timePeer();
        }
    }

    std::string Mirror() const { return peer_ + "/m" + std::to_string(round_); }

    std::string NewestRun() const { return Narrow(job_.Runs().back()); }
    std::string OldestRun() const { return Narrow(job_.Runs().front()); }

    void FirstFullBackup()
    {
        Measure(
            full, [&] { job_.Backup(); }, "cp -a '" + src_ + "' '" + Mirror() + "'");
    }

    void UnchangedRerun()
    {
        Measure(
            unchanged, [&] { job_.Backup(); }, "rsync -a '" + src_ + "/' '" + Mirror() + "/'");
    }

    void ChangedRerun()
    {
        ChangeOnePercent(src_, job_.files, round_);
        Measure(
            changed, [&] { job_.Backup(); }, "rsync -a '" + src_ + "/' '" + Mirror() + "/'");
    }

    // Restores the run of three whose files are nearly all references to the first.
    void RestoreNewestRun()
    {
        const std::u16string run = job_.Runs().back();
        Measure(
            restoreNewest, [&] { job_.Restore(run, u"O:\\n" + Wide(std::to_string(round_))); },
            "cp -a '" + src_ + "' '" + peer_ + "/rn" + std::to_string(round_) + "'");
    }

    void RestoreOldestRun()
    {
        const std::u16string run = job_.Runs().front();
        Measure(
            restoreOldest, [&] { job_.Restore(run, u"O:\\o" + Wide(std::to_string(round_))); },
            "cp -a '" + manual_ + "/" + Narrow(run) + "' '" + peer_ + "/ro" + std::to_string(round_) + "'");
    }

    void DeleteNewestRun()
    {
        const std::u16string run = job_.Runs().back();
        Shell("cp -a '" + manual_ + "/" + Narrow(run) + "' '" + peer_ + "/n'");
        Measure(
            deleteNewest, [&] { job_.Delete(run); }, "rm -rf '" + peer_ + "/n'");
    }

    void DeleteOldestRun()
    {
        const std::u16string run = job_.Runs().front();
        Shell("cp -a '" + manual_ + "/" + Narrow(run) + "' '" + peer_ + "/o'");
        Measure(
            deleteOldest, [&] { job_.Delete(run); }, "rm -rf '" + peer_ + "/o'");
    }

    Job& job_;
    std::string straceFolder_;
    std::string src_;
    std::string peer_;
    std::string manual_;
    long idleKb_ = 0;  // the peak of a child that does nothing
    int round_ = 0;
    bool counting_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    Job job;
    job.files = argc > 1 ? std::atoi(argv[1]) : 50000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    std::string pattern = (fs::temp_directory_path() / "job_bench_XXXXXX").string();
    job.host = mkdtemp(pattern.data());
    const fs::path& host = job.host;
    for (const char* folder : {"src", "bak", "out", "peer", "strace"}) {
        fs::create_directories(host / folder);
    }
    const std::string straceFolder = argc > 3 ? fs::absolute(argv[3]).string() : (host / "strace").string();
    fs::create_directories(straceFolder);
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

    Bench bench(job, straceFolder);
    for (int round = 0; round < rounds; ++round) {
        bench.Round(round, false);
    }
    if (HaveStrace()) {
        bench.Round(rounds, true);
    }
    bench.Print();
    fs::remove_all(host);
    return 0;
}
