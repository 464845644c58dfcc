// Backups and restores of a home as Linux really holds it: names that differ only in case, folders
// deeper than Windows paths usually go, names that are not UTF-8, files that change while they are
// copied, signals arriving during a copy. Every source file is restored under its own name with its
// own bytes, or the job names it (or a folder above it) as failed with a code.

#include "backup/base/BackupDriveLayout.h"
#include "backup/engine/Container.h"
#include "backup/engine/EasyBackupRun.h"
#include "backup/engine/ManualBackupRun.h"
#include "backup/engine/Restore.h"
#include "lists/string_list.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "tests/core/easy_pc_machine.h"
#include "tests/core/engine_fixture.h"
#include "tests/core/recording_job.h"
#include "tests/platform/machine_fixture.h"
#include "tests/support/bind_mount.h"
#include "tests/support/file_tree.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <set>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using enginetest::RecordingJob;
using testsupport::FileTree;

const std::u16string kStamp = platform::FromUtf8(easytest::kRunStamp);
const std::string kHome = "c/Home";

// A file at any depth, made folder by folder relative to open folders, so no path is ever longer
// than one name.
void WriteDeep(const std::string& root, const std::vector<std::string>& names, const std::string& content)
{
    std::filesystem::create_directories(root);
    int folder = ::open(root.c_str(), O_RDONLY | O_DIRECTORY);
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        ::mkdirat(folder, names[i].c_str(), 0755);
        const int next = ::openat(folder, names[i].c_str(), O_RDONLY | O_DIRECTORY);
        ::close(folder);
        folder = next;
    }
    const int file = ::openat(folder, names.back().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    EXPECT_EQ(::write(file, content.data(), content.size()), static_cast<ssize_t>(content.size()));
    ::close(file);
    ::close(folder);
}

// Every regular file below an open folder by its host path below it ("a/b"), read relative to
// open folders, at any depth.
void ReadDeep(int folder, const std::string& prefix, FileTree& files)
{
    DIR* listing = ::fdopendir(::dup(folder));
    ::rewinddir(listing);
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        struct stat info { };
        if (name == "." || name == ".." || ::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        if (S_ISDIR(info.st_mode)) {
            const int child = ::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY);
            ReadDeep(child, prefix + name + "/", files);
            ::close(child);
        } else if (S_ISREG(info.st_mode)) {
            std::string content(static_cast<std::size_t>(info.st_size), '\0');
            const int file = ::openat(folder, name.c_str(), O_RDONLY);
            EXPECT_EQ(::read(file, content.data(), content.size()), info.st_size);
            ::close(file);
            files[prefix + name] = content;
        }
    }
    ::closedir(listing);
}

FileTree ReadDeepTree(const std::string& root)
{
    FileTree files;
    const int folder = ::open(root.c_str(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ReadDeep(folder, "", files);
        ::close(folder);
    }
    return files;
}

// "a/b" as the Windows path below `base`.
std::u16string WindowsPathOf(const std::u16string& base, const std::string& hostPath)
{
    std::u16string path = base;
    std::size_t from = 0;
    while (from <= hostPath.size()) {
        const std::size_t slash = std::min(hostPath.find('/', from), hostPath.size());
        path += u"\\" + platform::FromHostName(std::string_view(hostPath).substr(from, slash - from));
        from = slash + 1;
    }
    return path;
}

// The failed lines by their path, with their error codes.
std::map<std::u16string, DWORD> FailedPaths(const lists::TStringList& failed)
{
    static const std::u16string kCode = u"     ErrorCode : ";
    std::map<std::u16string, DWORD> paths;
    for (const std::u16string& line : failed.Lines()) {
        const std::size_t at = line.rfind(kCode);
        if (at != std::u16string::npos) {
            paths[line.substr(0, at)] =
                static_cast<DWORD>(std::stoul(platform::ToUtf8(line.substr(at + kCode.size()))));
        }
    }
    return paths;
}

// True when the path or a folder above it is a failed line.
bool NamedAsFailed(const std::map<std::u16string, DWORD>& failed, std::u16string path)
{
    for (;;) {
        if (failed.contains(path)) {
            return true;
        }
        const std::size_t slash = path.rfind(u'\\');
        if (slash == std::u16string::npos || slash < 3) {
            return false;
        }
        path.resize(slash);
    }
}

class HostileHome : public easytest::EasyPcMachine {
protected:
    void TearDown() override
    {
        // Folders deeper than a path can name are beyond std::filesystem.
        EXPECT_EQ(std::system(("rm -rf '" + folder_ + "'").c_str()), 0);
        MachineFixture::TearDown();
    }

    std::string Host(const std::string& relative) const { return folder_ + "/" + relative; }

    static BACKUP_SELECTION Items(const std::vector<std::u16string>& relatives)
    {
        BACKUP_SELECTION selection;
        for (const std::u16string& relative : relatives) {
            ++selection.Count;
            selection.SourcePaths.push_back(u"C:\\" + relative);
            selection.ItemNames.push_back(relative.substr(relative.rfind(u'\\') + 1));
            selection.RelativePaths.push_back(u"C\\" + relative);
        }
        return selection;
    }

    int ManualBackup(RecordingJob& job, const BACKUP_SELECTION& selection, BYTE encrypt = 0)
    {
        return RunManualBackup(job, completed, failed, selection, u"E:\\", std::u16string(CONTAINER_PASS), encrypt,
                               nullptr);
    }

    std::u16string ManualFolder() const { return ManualBackupFolder(u"E:\\", false, false); }
    std::string RunHost(const std::string& stamp = easytest::kRunStamp) const
    {
        return Host("e/Harbex_Solo+/HOMEPCAlice61/Manual/" + stamp);
    }

    // The run of that stamp into C:\Out\<stamp>.
    void RestoreRun(const std::u16string& stamp = kStamp)
    {
        BACKUP_SELECTION selection;
        selection.Count = 1;
        selection.SourcePaths = {ManualFolder() + u"\\" + stamp};
        selection.ItemNames = {stamp};
        RecordingJob job;
        RunManualRestore(job, RESTORE_JOB{&restored, &notRestored, std::u16string(CONTAINER_PASS), nullptr}, selection,
                         ManualFolder(), u"C:\\Out", false);
    }
    std::string RestoredHost(const std::u16string& stamp = kStamp) const
    {
        return Host("c/Out/" + platform::ToUtf8(stamp) + "/C/Home");
    }

    lists::TStringList completed;
    lists::TStringList failed;
    lists::TStringList restored;
    lists::TStringList notRestored;
};

TEST_F(HostileHome, NamesThatDifferOnlyInCaseAreBackedUpOnceAndTheOthersFail)
{
    testsupport::WriteTree(Host(kHome), {{"Report.txt", "second"},
                                         {"report.txt", "third"},
                                         {"REPORT.TXT", "first"},
                                         {"Docs/a.txt", "alpha"},
                                         {"docs/b.txt", "bravo"}});
    struct Case {
        const char* name;
        BYTE encrypt;
    };
    for (const Case& c : {Case{"plain", 0}, Case{"encoded", 1}}) {
        SCOPED_TRACE(c.name);
        completed.Clear();
        failed.Clear();
        restored.Clear();
        notRestored.Clear();
        std::filesystem::remove_all(Host("e/Harbex_Solo+"));
        std::filesystem::remove_all(Host("c/Out"));
        RecordingJob job;
        ASSERT_EQ(ManualBackup(job, Items({u"Home"}), c.encrypt), 1);

        // Listed by upper case, then byte order: REPORT.TXT and Docs come first.
        EXPECT_EQ(completed.Lines(), (std::vector<std::u16string>{u"C:\\Home\\Docs\\a.txt", u"C:\\Home\\REPORT.TXT"}));
        const std::map<std::u16string, DWORD> expectedFailed = {{u"C:\\Home\\docs", ERROR_ALREADY_EXISTS},
                                                                {u"C:\\Home\\Report.txt", ERROR_ALREADY_EXISTS},
                                                                {u"C:\\Home\\report.txt", ERROR_ALREADY_EXISTS}};
        EXPECT_EQ(FailedPaths(failed), expectedFailed);
        if (c.encrypt == 0) {
            EXPECT_EQ(job.Bytes().done, 6 + 5 + 5 + 5 + 5) << "the bars reach their end";
        }

        RestoreRun();
        EXPECT_EQ(notRestored.Count(), 0);
        EXPECT_TRUE(testsupport::HoldsTree(RestoredHost(), {{"REPORT.TXT", "first"}, {"Docs/a.txt", "alpha"}}));
    }
}

TEST_F(HostileHome, TickedItemsThatDifferOnlyInCaseNeverShareACopy)
{
    testsupport::WriteTree(
        Host(kHome),
        {{"Docs/a.txt", "alpha"}, {"docs/b.txt", "bravo"}, {"Sub/x/c.txt", "charlie"}, {"sub/y/d.txt", "delta"}});
    RecordingJob job;
    ASSERT_EQ(ManualBackup(job, Items({u"Home\\Docs", u"Home\\docs", u"Home\\Sub\\x", u"Home\\sub\\y"})), 1);

    EXPECT_EQ(completed.Lines(), (std::vector<std::u16string>{u"C:\\Home\\Docs\\a.txt", u"C:\\Home\\Sub\\x\\c.txt"}));
    const std::map<std::u16string, DWORD> expectedFailed = {{u"C:\\Home\\docs", ERROR_ALREADY_EXISTS},
                                                            {u"C:\\Home\\sub\\y", ERROR_ALREADY_EXISTS}};
    EXPECT_EQ(FailedPaths(failed), expectedFailed);
    EXPECT_TRUE(testsupport::HoldsTree(RunHost() + "/C/Home", {{"Docs/a.txt", "alpha"}, {"Sub/x/c.txt", "charlie"}}));
}

TEST_F(HostileHome, AnEasyBackupCopiesTheFirstOfNamesThatDifferOnlyInCase)
{
    testsupport::WriteTree(Host("c/Users/Alice/Documents"), {{"Plan.doc", "first"}, {"plan.doc", "second"}});
    RecordingJob job;
    PerEasyCategory<lists::TStringList> lists;
    const PerEasyCategory<lists::TStringList*> repeats = {&lists[0], &lists[1], &lists[2], &lists[3], &lists[4]};
    ASSERT_EQ(RunEasyBackup(job, completed, failed, u"E:\\", {1, 0, 0, 0, 0}, repeats, u"", 0, nullptr), 1);

    const std::map<std::u16string, DWORD> expectedFailed = {
        {u"C:\\Users\\Alice\\Documents\\plan.doc", ERROR_ALREADY_EXISTS}};
    EXPECT_EQ(FailedPaths(failed), expectedFailed);
    const std::string documents =
        Host("e/Harbex_Solo+/HOMEPCAlice61/Easy/Document/" + easytest::kRunStamp + "/C/Users/Alice/Documents");
    EXPECT_TRUE(testsupport::HoldsTree(documents, {{"Plan.doc", "first"}, {"letter.txt", std::string(20, 'x')}}));
}

// Deep folders are backed up and restored; one too deep for the host to name is a failed line.
TEST_F(HostileHome, DeepFoldersAreBackedUpAndTooDeepOnesAreNamedAsFailed)
{
    const std::string name(60, 'd');
    WriteDeep(Host(kHome), {name, name, name, name, name, "deep.txt"}, "deep");
    std::vector<std::string> tooDeep(80, name);
    tooDeep.push_back("lost.txt");
    WriteDeep(Host(kHome), tooDeep, "lost");
    RecordingJob job;
    ASSERT_EQ(ManualBackup(job, Items({u"Home"})), 1);

    const std::string deep = name + "/" + name + "/" + name + "/" + name + "/" + name + "/deep.txt";
    ASSERT_GT(WindowsPathOf(u"C:\\Home", deep).size(), 300u);
    EXPECT_EQ(completed.Lines(), std::vector<std::u16string>{WindowsPathOf(u"C:\\Home", deep)});
    ASSERT_EQ(failed.Count(), 1);
    const auto failedPaths = FailedPaths(failed);
    EXPECT_EQ(failedPaths.begin()->second, ERROR_FILENAME_EXCED_RANGE);
    std::string lost;
    for (const std::string& folder : tooDeep) {
        lost += (lost.empty() ? "" : "/") + folder;
    }
    EXPECT_TRUE(NamedAsFailed(failedPaths, WindowsPathOf(u"C:\\Home", lost)));

    RestoreRun();
    EXPECT_EQ(notRestored.Count(), 0);
    EXPECT_EQ(ReadDeepTree(RestoredHost()), (FileTree{{deep, "deep"}}));
}

// A file rewritten less than three seconds after its earlier copy, with another size, is no
// unchanged file: the later run holds its new bytes.
TEST_F(HostileHome, AFileRewrittenWithinThreeSecondsOfItsCopyIsCopiedAgain)
{
    const std::filesystem::path file = Host(kHome + "/notes.txt");
    testsupport::WriteText(file, std::string(20000, 'n'));
    const auto written = std::filesystem::last_write_time(file);
    RecordingJob first;
    ASSERT_EQ(ManualBackup(first, Items({u"Home"})), 1);

    testsupport::WriteText(file, "rewrite!");
    std::filesystem::last_write_time(file, written + std::chrono::seconds(1));
    SYSTEMTIME later = easytest::kRunTime;
    later.wMinute += 1;
    clock_.clock().SetLocalTime(later);
    RecordingJob second;
    ASSERT_EQ(ManualBackup(second, Items({u"Home"})), 1);

    const std::string stamp = "20110305_140809";
    EXPECT_EQ(testsupport::ReadText(RunHost(stamp) + "/C/Home/notes.txt"), "rewrite!");
    RestoreRun(platform::FromUtf8(stamp));
    EXPECT_EQ(notRestored.Count(), 0);
    EXPECT_TRUE(testsupport::HoldsTree(RestoredHost(platform::FromUtf8(stamp)), {{"notes.txt", "rewrite!"}}));
}

void CountSignal(int)
{
}

// A timer signal caught without restarting interrupted calls, many times during one large copy.
class SignalStorm {
public:
    SignalStorm()
    {
        struct sigaction action { };
        action.sa_handler = CountSignal;
        ::sigaction(SIGALRM, &action, &old_);
        const itimerval every{{0, 50}, {0, 50}};
        ::setitimer(ITIMER_REAL, &every, nullptr);
    }
    ~SignalStorm()
    {
        const itimerval off{};
        ::setitimer(ITIMER_REAL, &off, nullptr);
        ::sigaction(SIGALRM, &old_, nullptr);
    }
    SignalStorm(const SignalStorm&) = delete;
    SignalStorm& operator=(const SignalStorm&) = delete;

private:
    struct sigaction old_ { };
};

// A folder whose mode lets its names be listed but not reached (r--) looks empty to a walk that
// passes over what it cannot read: the backup names it as failed instead. The job runs as a user
// whom the mode binds, as root is bound by none; its lines come back through a file.
TEST_F(HostileHome, AFolderThatCannotBeEnteredIsNamedAsFailed)
{
    testsupport::WriteTree(Host(kHome), {{"open.txt", "open"}, {"Locked/inside.txt", "inside"}});
    ASSERT_EQ(std::system(("chmod -R a+rwX '" + folder_ + "'").c_str()), 0);
    ASSERT_EQ(::chmod(Host(kHome + "/Locked").c_str(), 0744), 0);
    const std::string lines = Host("lines.txt");
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::getuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            std::_Exit(2);
        }
        RecordingJob job;
        const int result = ManualBackup(job, Items({u"Home"}));
        std::ofstream out(lines);
        out << result << "\n";
        for (const lists::TStringList* list : {&completed, &failed}) {
            for (const std::u16string& line : list->Lines()) {
                out << platform::ToUtf8(line) << "\n";
            }
        }
        out.close();
        std::_Exit(out ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(testsupport::ReadText(lines), "1\nC:\\Home\\open.txt\nC:\\Home\\Locked     ErrorCode : 5\n");
}

TEST_F(HostileHome, SignalsDuringALargeCopyFailNoFile)
{
    std::string content(32u << 20, '\0');
    for (std::size_t i = 0; i < content.size(); ++i) {
        content[i] = static_cast<char>(i * 7 + (i >> 20));
    }
    testsupport::WriteText(Host(kHome + "/big.bin"), content);
    RecordingJob job;
    {
        const SignalStorm storm;
        ASSERT_EQ(ManualBackup(job, Items({u"Home"})), 1);
    }
    EXPECT_EQ(failed.Count(), 0);
    EXPECT_TRUE(testsupport::ReadText(RunHost() + "/C/Home/big.bin") == content);
}

// The backup drive's disk mounted inside the home is a folder of the home that is another drive: the
// walk passes over it, as over a volume mounted in a Windows folder, instead of copying the run it
// writes into itself again and again.
TEST_F(HostileHome, ABackupDriveMountedInsideTheHomeIsNotBackedUpIntoItself)
{
    testsupport::WriteTree(Host(kHome), {{"note.txt", "note"}});
    std::filesystem::create_directories(Host(kHome + "/usb"));
    const testsupport::BindMount drive(Host("e"), Host(kHome + "/usb"));
    if (!drive.Mounted()) {
        GTEST_SKIP() << "a folder cannot be bound here; run the tests as root";
    }
    RecordingJob job;
    ASSERT_EQ(ManualBackup(job, Items({u"Home"})), 1);
    EXPECT_EQ(completed.Lines(), std::vector<std::u16string>{u"C:\\Home\\note.txt"});
    EXPECT_EQ(failed.Count(), 0);
    EXPECT_EQ(ReadDeepTree(RunHost() + "/C/Home"), (FileTree{{"note.txt", "note"}}));
}

// Names a Linux home holds and a Windows name cannot, in a folder whose own name holds such a
// character: backed up (Manual and Easy), plain and encoded, onto a drive that holds the characters
// and onto a FAT drive that refuses them and keeps their private-use forms; restored byte for byte
// under their own names to a chosen folder and to their original place.
TEST_F(HostileHome, NamesWithCharactersWindowsRefusesKeepThemThroughBackupAndRestore)
{
    const FileTree reserved = {
        {"back\\slash.txt", "backslash"},
        {"Meeting 10:30.txt", "colon"},
        {"star*.txt", "star"},
        {"What?.txt", "question"},
        {"say \"hi\".txt", "quotes"},
        {"<less.txt", "less"},
        {"more>.txt", "more"},
        {"pipe|d.txt", "pipe"},
        {"all \\:*?\"<>|.txt", "every one"},
        {"Odd: folder?/inner|.txt", "in a folder whose name holds two"},
    };
    // A name that holds a private-use form itself: its own on a drive that holds the characters, and
    // refused (never merged with "a:b") on one that keeps the forms.
    const std::string literal = "form\xef\x80\xba.txt";
    const std::u16string documents = u"C:\\Users\\Alice\\Documents\\";
    struct Case {
        const char* name;
        const char16_t* fileSystem;
        BYTE encrypt;
    };
    for (const Case& c : {Case{"plain", u"NTFS", 0}, Case{"encoded", u"NTFS", 1}, Case{"plain on FAT", u"FAT32", 0},
                          Case{"encoded on FAT", u"FAT32", 1}}) {
        SCOPED_TRACE(c.name);
        const bool fat = std::u16string_view(c.fileSystem) == u"FAT32";
        platform::Drive e = *platform::FindDrive(u'E');
        e.fileSystem = c.fileSystem;
        platform::MountDrive(e);
        for (const char* folder : {"e/Harbex_Solo+", "c/Out", "c/Home", "c/Users/Alice/Documents"}) {
            std::filesystem::remove_all(Host(folder));
        }
        testsupport::WriteTree(Host(kHome), reserved);
        testsupport::WriteTree(Host(kHome), {{literal, "private-use itself"}});
        testsupport::WriteTree(Host("c/Users/Alice/Documents"), {{"Plan 10:30?.doc", "plan"}, {"a|b/c:d.txt", "deep"}});
        FileTree home = reserved;
        home[literal] = "private-use itself";
        const std::set<std::u16string> refused =
            fat ? std::set<std::u16string>{WindowsPathOf(u"C:\\Home", literal)} : std::set<std::u16string>{};
        completed.Clear();
        failed.Clear();
        RecordingJob job;
        ASSERT_EQ(ManualBackup(job, Items({u"Home"}), c.encrypt), 1);
        std::set<std::u16string> failedPaths;
        for (const auto& [path, error] : FailedPaths(failed)) {
            failedPaths.insert(path);
        }
        EXPECT_EQ(failedPaths, refused);
        EXPECT_EQ(completed.Count(), static_cast<int>(home.size() - refused.size()));
        const std::string suffix = c.encrypt ? ".vemoen" : "";
        EXPECT_TRUE(std::filesystem::exists(RunHost() +
                                            (fat ? "/C/Home/Meeting 10\xef\x80\xba"
                                                   "30.txt"
                                                 : "/C/Home/Meeting 10:30.txt") +
                                            suffix));
        // The lists hold the Windows name, as for any file.
        lists::TStringList oriSizes;
        ASSERT_TRUE(oriSizes.LoadFromFile(OriSizePath(ManualFolder() + u"\\" + kStamp)));
        const std::u16string line = ManualFolder() + u"\\" + kStamp + u"\\C\\Home\\Meeting 10\uF03A30.txt" +
                                    platform::FromUtf8(suffix) + u"   5";
        EXPECT_NE(oriSizes.IndexOf(line), -1);

        restored.Clear();
        notRestored.Clear();
        RestoreRun();
        EXPECT_EQ(notRestored.Count(), 0);
        FileTree expected = home;
        if (fat) {
            expected.erase(literal);
        }
        EXPECT_EQ(ReadDeepTree(RestoredHost()), expected);

        // To the original place, over the files themselves.
        std::filesystem::remove_all(Host(kHome));
        restored.Clear();
        BACKUP_SELECTION selection;
        selection.Count = 1;
        selection.SourcePaths = {ManualFolder() + u"\\" + kStamp};
        selection.ItemNames = {kStamp};
        RecordingJob restoreJob;
        RunManualRestore(restoreJob, RESTORE_JOB{&restored, &notRestored, std::u16string(CONTAINER_PASS), nullptr},
                         selection, ManualFolder(), u"", true);
        EXPECT_EQ(notRestored.Count(), 0);
        EXPECT_EQ(ReadDeepTree(Host(kHome)), expected);

        // Easy Backup's category walk, and its restore to the original place.
        failed.Clear();
        PerEasyCategory<lists::TStringList> repeatLists;
        const PerEasyCategory<lists::TStringList*> repeats = {&repeatLists[0], &repeatLists[1], &repeatLists[2],
                                                              &repeatLists[3], &repeatLists[4]};
        RecordingJob easyJob;
        ASSERT_EQ(RunEasyBackup(easyJob, completed, failed, u"E:\\", {1, 0, 0, 0, 0}, repeats,
                                std::u16string(CONTAINER_PASS), c.encrypt, nullptr),
                  1);
        EXPECT_EQ(failed.Count(), 0);
        std::filesystem::remove_all(Host("c/Users/Alice/Documents"));
        RecordingJob easyRestore;
        RunEasyRestore(easyRestore, RESTORE_JOB{&restored, &notRestored, std::u16string(CONTAINER_PASS), nullptr},
                       {1, 0, 0, 0, 0}, EasyBackupFolder(u"E:\\", false, false), u"", kStamp, true);
        EXPECT_EQ(notRestored.Count(), 0);
        EXPECT_EQ(ReadDeepTree(Host("c/Users/Alice/Documents")),
                  (FileTree{{"Plan 10:30?.doc", "plan"}, {"a|b/c:d.txt", "deep"}}));
    }
}

// A vfat image mounted on a folder for the life of the object (root, mkfs.vfat and vfat in the
// kernel); Why() says what is missing.
class VfatMount {
public:
    explicit VfatMount(const std::string& folder) : folder_(folder), image_(folder + ".img")
    {
        if (std::system(("mkfs.vfat -C '" + image_ + "' 16384 >/dev/null 2>&1").c_str()) != 0) {
            why_ = "mkfs.vfat cannot make an image here";
        } else if (std::system(("mount -o loop,utf8 '" + image_ + "' '" + folder_ + "' 2>/dev/null").c_str()) != 0) {
            why_ = "a vfat image cannot be mounted here (root and vfat in the kernel are needed)";
        } else {
            mounted_ = true;
        }
    }
    ~VfatMount()
    {
        if (mounted_) {
            ::umount2(folder_.c_str(), MNT_DETACH);
        }
        std::filesystem::remove(image_);
    }
    VfatMount(const VfatMount&) = delete;
    VfatMount& operator=(const VfatMount&) = delete;
    bool Mounted() const { return mounted_; }
    const std::string& Why() const { return why_; }

private:
    std::string folder_;
    std::string image_;
    bool mounted_ = false;
    std::string why_;
};

// A real vfat drive refuses the characters with EINVAL: the copy keeps their private-use forms, and
// the restore gives the files their names back.
TEST_F(HostileHome, AVfatDriveKeepsTheFormsAndTheRestoreGivesTheNamesBack)
{
    const VfatMount vfat(Host("e"));
    if (!vfat.Mounted()) {
        GTEST_SKIP() << vfat.Why();
    }
    platform::Drive e = *platform::FindDrive(u'E');
    e.fileSystem = u"FAT32";
    platform::MountDrive(e);
    const FileTree names = {{"Meeting 10:30.txt", "colon"}, {"What?/a|b*.txt", "in a folder"}};
    testsupport::WriteTree(Host(kHome), names);
    RecordingJob job;
    ASSERT_EQ(ManualBackup(job, Items({u"Home"})), 1);
    EXPECT_EQ(failed.Count(), 0);
    EXPECT_TRUE(std::filesystem::exists(RunHost() + "/C/Home/Meeting 10\xef\x80\xba"
                                                    "30.txt"));
    RestoreRun();
    EXPECT_EQ(notRestored.Count(), 0);
    EXPECT_EQ(ReadDeepTree(RestoredHost()), names);
}

TEST_F(HostileHome, EveryFileIsRestoredUnderItsOwnNameOrNamedAsFailed)
{
    testsupport::WriteTree(Host(kHome), {
                                            {"Report.txt", "second"},
                                            {"report.txt", "third"},
                                            {"REPORT.TXT", "first"},
                                            {"Docs/a.txt", "alpha"},
                                            {"docs/b.txt", "bravo"},
                                            {"caf\xe9.txt", "latin-1 name"},
                                            {"bad\xff\xfe/inside.txt", "in a folder named by no text"},
                                            {"back\\slash.txt", "a separator in a name"},
                                            {"colon:name.txt", "a colon"},
                                            {"odd|folder/x.txt", "in a folder no Windows name fits"},
                                            {"plain.txt", "plain"},
                                        });
    const std::string name(60, 'h');
    WriteDeep(Host(kHome), {name, name, name, name, name, "deep.txt"}, "over 256");
    std::vector<std::string> tooDeep(80, name);
    tooDeep.push_back("lost.txt");
    WriteDeep(Host(kHome), tooDeep, "over 4096");
    const std::string growing(3u << 20, 'g');
    testsupport::WriteText(Host(kHome + "/growing.log"), growing);
    const FileTree before = ReadDeepTree(Host(kHome));

    RecordingJob job;
    bool changed = false;
    job.onBlock = [&](const std::u16string& path) {
        if (!changed && path == u"C:\\Home\\growing.log") {
            changed = true;
            testsupport::WriteText(Host(kHome + "/growing.log"), "cut short while copied");
        }
    };
    ASSERT_EQ(ManualBackup(job, Items({u"Home"})), 1);
    ASSERT_TRUE(changed);
    RestoreRun();

    const auto backupFailed = FailedPaths(failed);
    const auto restoreFailed = FailedPaths(notRestored);
    const std::u16string runHome = ManualFolder() + u"\\" + kStamp + u"\\C\\Home";
    const FileTree after = ReadDeepTree(RestoredHost());
    for (const auto& [path, content] : before) {
        const auto copy = after.find(path);
        const bool reported = NamedAsFailed(backupFailed, WindowsPathOf(u"C:\\Home", path)) ||
                              NamedAsFailed(restoreFailed, WindowsPathOf(runHome, path));
        EXPECT_TRUE((copy != after.end() && copy->second == content) || reported) << path;
    }
    for (const auto& [path, content] : after) {
        const auto source = before.find(path);
        EXPECT_TRUE(source != before.end() && source->second == content)
            << path << " holds bytes of no file of its name";
    }
    EXPECT_TRUE(backupFailed.contains(u"C:\\Home\\growing.log"));
}

}  // namespace
