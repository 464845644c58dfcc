#include "backup/base/TreeDelete.h"
#include "backup/engine/Clprocessnotify.h"
#include "backup/engine/Container.h"
#include "backup/engine/CopyOneFile.h"
#include "backup/engine/FileServices.h"
#include "backup/engine/RunningJob.h"

#include "platform/files.h"
#include "tests/core/engine_fixture.h"
#include "tests/support/file_tree.h"

#include <fcntl.h>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <sys/stat.h>

namespace {

using enginetest::RandomBytes;
using enginetest::TempDrive;
using Bytes = std::vector<unsigned char>;

const std::u16string kPass(CONTAINER_PASS);
constexpr DWORD kReadOnlyHidden = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;

class CopyTest : public ::testing::Test {
protected:
    TempDrive drive{u'X'};
    RunningJob running;

    DWORD Attributes(const std::u16string& relative) const { return GetFileAttributesW(drive.Path(relative).c_str()); }
    void SetAttributes(const std::u16string& relative, DWORD attributes) const
    {
        ASSERT_TRUE(SetFileAttributesW(drive.Path(relative).c_str(), attributes));
    }
    ULONGLONG LastWrite(const std::u16string& relative) const
    {
        WIN32_FIND_DATAW found;
        HANDLE find = FindFirstFileW(drive.Path(relative).c_str(), &found);
        EXPECT_NE(find, INVALID_HANDLE_VALUE);
        FindClose(find);
        return FileTimeToU64(found.ftLastWriteTime);
    }
    void SetLastWrite(const std::u16string& relative, ULONGLONG time) const
    {
        const DWORD attributes = Attributes(relative);
        SetAttributes(relative, FILE_ATTRIBUTE_NORMAL);
        HANDLE file = CreateFileW(drive.Path(relative).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        const FILETIME value = U64ToFileTime(time);
        EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &value));
        CloseHandle(file);
        SetAttributes(relative, attributes);
    }
    bool Copy(const std::u16string& from, const std::u16string& to, int mode, DWORD* error)
    {
        return CopyOneFile(running, drive.Path(from), drive.Path(to), mode, kPass, nullptr, error);
    }
};

TEST_F(CopyTest, PlainCopyKeepsReadOnlyAndHiddenBitsAndLeavesTheSourceAlone)
{
    struct Case {
        const char* name;
        DWORD source;
        DWORD existingDestination;  // 0: none
        DWORD copy;
    };
    const Case cases[] = {
        {"read-only hidden source", kReadOnlyHidden, 0, kReadOnlyHidden},
        {"archive-only source", FILE_ATTRIBUTE_ARCHIVE, 0, FILE_ATTRIBUTE_NORMAL},
        {"read-only destination", FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_READONLY},
        {"normal destination", kReadOnlyHidden, FILE_ATTRIBUTE_NORMAL, kReadOnlyHidden},
    };
    for (const auto& c : cases) {
        const Bytes content = RandomBytes(3000, 1);
        drive.Write(u"src.doc", content);
        SetAttributes(u"src.doc", c.source);
        std::filesystem::remove(drive.Host(u"dst.doc"));
        if (c.existingDestination != 0) {
            drive.Write(u"dst.doc", {'o', 'l', 'd'});
            SetAttributes(u"dst.doc", c.existingDestination);
        }
        DWORD error = 99;
        ASSERT_TRUE(Copy(u"src.doc", u"dst.doc", COPY_PLAIN, &error)) << c.name;
        EXPECT_EQ(error, 0u) << c.name;
        EXPECT_EQ(drive.Read(u"dst.doc"), content) << c.name;
        EXPECT_EQ(Attributes(u"dst.doc"), c.copy) << c.name;
        EXPECT_EQ(Attributes(u"src.doc"), c.source) << c.name;
        SetAttributes(u"src.doc", FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(CopyTest, ContainerModesAddAndDropTheSuffixAndCarryTheTime)
{
    const Bytes content = RandomBytes(70000, 2);
    drive.Write(u"a.doc", content);
    SetLastWrite(u"a.doc", 130000000000000000ull);
    DWORD error = 99;
    struct Case {
        std::u16string destination;
        std::u16string written;
    };
    const Case encodes[] = {
        {u"r1\\a.doc", u"r1\\a.doc.vemoen"},
        {u"r2\\a.doc.vemoen", u"r2\\a.doc.vemoen"},
        {u"r3\\a.doc.VEMOEN", u"r3\\a.doc.VEMOEN.vemoen"},
    };
    for (const auto& c : encodes) {
        std::filesystem::create_directories(drive.Host(c.destination).parent_path());
        ASSERT_TRUE(Copy(u"a.doc", c.destination, COPY_ENCODE, &error)) << platform::ToUtf8(c.destination);
        EXPECT_TRUE(drive.Exists(c.written)) << platform::ToUtf8(c.written);
        EXPECT_EQ(LastWrite(c.written), 130000000000000000ull);
    }
    // Decoding over an existing read-only file replaces it, keeps it read-only and sets the time.
    drive.Write(u"back\\a.doc", {'o', 'l', 'd'});
    SetAttributes(u"back\\a.doc", FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(Copy(u"r1\\a.doc.vemoen", u"back\\a.doc.vemoen", COPY_DECODE, &error));
    EXPECT_EQ(drive.Read(u"back\\a.doc"), content);
    EXPECT_EQ(Attributes(u"back\\a.doc"), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(LastWrite(u"back\\a.doc"), 130000000000000000ull);
}

// The container stands for the file on the drive: it carries the read-only and hidden bits and
// the time, and the decoded file gets them back, as a plain copy and its restore would.
TEST_F(CopyTest, EncryptedCopyCarriesReadOnlyAndHiddenThroughTheContainer)
{
    struct Case {
        const char* name;
        DWORD source;
        DWORD existingTarget;  // 0: none
        DWORD restored;
    };
    const Case cases[] = {
        {"read-only", FILE_ATTRIBUTE_READONLY, 0, FILE_ATTRIBUTE_READONLY},
        {"hidden", FILE_ATTRIBUTE_HIDDEN, 0, FILE_ATTRIBUTE_HIDDEN},
        {"read-only hidden", kReadOnlyHidden, 0, kReadOnlyHidden},
        {"normal", FILE_ATTRIBUTE_NORMAL, 0, FILE_ATTRIBUTE_NORMAL},
        {"over a normal file", kReadOnlyHidden, FILE_ATTRIBUTE_NORMAL, kReadOnlyHidden},
        {"over a hidden file", FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_HIDDEN},
    };
    for (const auto& c : cases) {
        const Bytes content = RandomBytes(70000, 3);
        std::filesystem::remove(drive.Host(u"run\\a.doc.vemoen"));
        std::filesystem::remove(drive.Host(u"back\\a.doc"));
        drive.Write(u"a.doc", content);
        SetLastWrite(u"a.doc", 130000000000000000ull);
        SetAttributes(u"a.doc", c.source);
        if (c.existingTarget != 0) {
            drive.Write(u"back\\a.doc", {'o', 'l', 'd'});
            SetAttributes(u"back\\a.doc", c.existingTarget);
        }
        DWORD error = 99;
        std::filesystem::create_directories(drive.Host(u"run"));
        ASSERT_TRUE(Copy(u"a.doc", u"run\\a.doc", COPY_ENCODE, &error)) << c.name;
        EXPECT_EQ(Attributes(u"run\\a.doc.vemoen"), c.source) << c.name;
        EXPECT_EQ(Attributes(u"a.doc"), c.source) << c.name;
        std::filesystem::create_directories(drive.Host(u"back"));
        ASSERT_TRUE(Copy(u"run\\a.doc.vemoen", u"back\\a.doc.vemoen", COPY_DECODE, &error)) << c.name;
        EXPECT_EQ(drive.Read(u"back\\a.doc"), content) << c.name;
        EXPECT_EQ(Attributes(u"back\\a.doc"), c.restored) << c.name;
        EXPECT_EQ(LastWrite(u"back\\a.doc"), 130000000000000000ull) << c.name;
        SetAttributes(u"a.doc", FILE_ATTRIBUTE_NORMAL);
        SetAttributes(u"run\\a.doc.vemoen", FILE_ATTRIBUTE_NORMAL);
        SetAttributes(u"back\\a.doc", FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(CopyTest, FailuresLeaveTheExistingFileAndReportTheWindowsNumber)
{
    drive.Write(u"broken.doc.vemoen",
                {'n', 'o', 't', ' ', 'a', ' ', 'c', 'o', 'n', 't', 'a', 'i', 'n', 'e', 'r', '.', '.',
                 '.', '.', '.', '.', '.', '.', '.', '.', '.', '.', '.', '.', '.', '.', '.', '.', '.'});
    drive.Write(u"keep.doc", {'k', 'e', 'e', 'p'});
    SetAttributes(u"keep.doc", FILE_ATTRIBUTE_HIDDEN);
    struct Case {
        const char* name;
        std::u16string source;
        std::u16string destination;
        int mode;
        DWORD error;
    };
    const Case cases[] = {
        {"missing source", u"none.doc", u"out.doc", COPY_PLAIN, ERROR_FILE_NOT_FOUND},
        {"damaged container", u"broken.doc.vemoen", u"keep.doc", COPY_DECODE, ERROR_BAD_FORMAT},
        {"missing container", u"none.vemoen", u"keep.doc", COPY_DECODE, ERROR_FILE_NOT_FOUND},
        {"unknown mode", u"keep.doc", u"other.doc", 1, 12345},
    };
    for (const auto& c : cases) {
        DWORD error = 12345;
        EXPECT_FALSE(Copy(c.source, c.destination, c.mode, &error)) << c.name;
        EXPECT_EQ(error, c.error) << c.name;
        EXPECT_EQ(drive.Read(u"keep.doc"), Bytes({'k', 'e', 'e', 'p'})) << c.name;
        EXPECT_EQ(Attributes(u"keep.doc"), FILE_ATTRIBUTE_HIDDEN) << c.name;
    }
    EXPECT_FALSE(drive.Exists(u"other.doc"));

    lists::TStringList failed;
    WIN32_FIND_DATAW found;
    ReportFailedFile(running, failed, found, 32, u"C:\\a.doc");
    EXPECT_EQ(platform::ToUtf8(failed.Strings(0)), "C:\\a.doc     ErrorCode : 32");
    EXPECT_FALSE(SaveListFileReported(running, lists::TStringList(), drive.Path(u"gone\\OriSize.ini"), failed));
    EXPECT_EQ(platform::ToUtf8(failed.Strings(1)), "X:\\gone\\OriSize.ini     ErrorCode : 3");
}

// A job that looks, at the first progress report of a copy, at the destination's folder: the names
// it holds and the permission bits of each file of that folder the process has open for writing;
// with stop, it then stops the copy there.
class WatchingJob : public RunningJob {
public:
    std::filesystem::path folder;
    bool stop = false;
    std::optional<std::set<std::string>> names;
    std::vector<unsigned> writtenModes;

    void PumpMessages() override
    {
        if (!names) {
            names = Names(folder);
            Look();
        }
    }
    bool CancelRequested() override { return stop && names.has_value(); }

    static std::set<std::string> Names(const std::filesystem::path& folder)
    {
        std::set<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            found.insert(entry.path().filename().string());
        }
        return found;
    }

private:
    void Look()
    {
        for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
            std::error_code error;
            const std::string target = std::filesystem::read_symlink(entry.path(), error).string();
            const int fd = std::stoi(entry.path().filename().string());
            struct stat info { };
            if (!error && target.starts_with(folder.string() + "/") && ::fstat(fd, &info) == 0 &&
                S_ISREG(info.st_mode) && (::fcntl(fd, F_GETFL) & O_ACCMODE) != O_RDONLY) {
                writtenModes.push_back(info.st_mode & 07777);
            }
        }
    }
};

// A copy, plain or through the container, stands under no name of its folder until it is whole, is
// private from the start when its source is, and when stopped half-way leaves its folder as it was,
// a file it was to replace intact.
TEST_F(CopyTest, ACopyTakesItsNameOnlyWhenWholeAndIsNeverOpenToOthersOnTheWay)
{
    struct Case {
        const char* name;
        int mode;
        std::u16string source;
        std::u16string destination;
        bool existing;
        bool stop;
    };
    const std::vector<Case> cases = {
        {"plain", COPY_PLAIN, u"src\\a.doc", u"dst\\a.doc", false, false},
        {"plain over a file", COPY_PLAIN, u"src\\a.doc", u"dst\\a.doc", true, false},
        {"plain stopped", COPY_PLAIN, u"src\\a.doc", u"dst\\a.doc", true, true},
        {"encoded", COPY_ENCODE, u"src\\a.doc", u"dst\\a.doc.vemoen", false, false},
        {"encoded over a container", COPY_ENCODE, u"src\\a.doc", u"dst\\a.doc.vemoen", true, false},
        {"encoded stopped", COPY_ENCODE, u"src\\a.doc", u"dst\\a.doc.vemoen", true, true},
        {"decoded", COPY_DECODE, u"src\\a.doc.vemoen", u"dst\\a.doc", false, false},
        {"decoded over a file", COPY_DECODE, u"src\\a.doc.vemoen", u"dst\\a.doc", true, false},
        {"decoded stopped", COPY_DECODE, u"src\\a.doc.vemoen", u"dst\\a.doc", true, true},
        {"decoded stopped, new", COPY_DECODE, u"src\\a.doc.vemoen", u"dst\\a.doc", false, true},
    };
    const Bytes content = RandomBytes(3 << 20, 7);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(drive.Host(u"src"));
        std::filesystem::remove_all(drive.Host(u"dst"));
        std::filesystem::create_directory(drive.Host(u"src"));
        std::filesystem::create_directory(drive.Host(u"dst"));
        drive.Write(u"src\\a.doc", content);
        ::chmod(drive.Host(u"src\\a.doc").c_str(), 0600);
        DWORD error = 0;
        if (c.mode == COPY_DECODE) {
            ASSERT_TRUE(Copy(u"src\\a.doc", u"src\\a.doc", COPY_ENCODE, &error));
        }
        if (c.existing) {
            drive.Write(c.destination, "old");
        }
        const std::set<std::string> before = WatchingJob::Names(drive.Host(u"dst"));
        WatchingJob job;
        job.folder = drive.Host(u"dst");
        job.stop = c.stop;
        clProcessNotify notifier;
        ArmNotifier(&notifier);
        const bool copied =
            CopyOneFile(job, drive.Path(c.source), drive.Path(c.destination), c.mode, kPass, &notifier, &error);
        EXPECT_EQ(job.names, before);
        EXPECT_EQ(job.writtenModes, std::vector<unsigned>{0600});
        EXPECT_EQ(copied, !c.stop);
        if (c.stop) {
            EXPECT_EQ(error, ERROR_REQUEST_ABORTED);
            EXPECT_EQ(WatchingJob::Names(drive.Host(u"dst")), before);
            if (c.existing) {
                EXPECT_EQ(drive.ReadText(c.destination), "old");
            }
            continue;
        }
        struct stat info { };
        ASSERT_EQ(::stat(drive.Host(c.destination).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0600u);
        if (c.mode != COPY_ENCODE) {
            EXPECT_EQ(drive.Read(c.destination), content);
        }
    }
}

// A job that writes to a file each time the copy reports, as a program still saving it would.
class WritingJob : public RunningJob {
public:
    std::filesystem::path writes;
    void PumpMessages() override
    {
        if (!writes.empty()) {
            std::ofstream(writes, std::ios::binary | std::ios::app) << 'x';
        }
    }
};

// The walk's record of a file stands for it at the copy only while it still holds: a file
// rewritten after the walk listed it is copied as it is then, its time to the nanosecond and its
// bytes counted once; one written while it is copied fails as in use, as without a record.
TEST_F(CopyTest, PlainCopyFromAWalkTakesTheFileAsItIsAndFailsOneWrittenMeanwhile)
{
    struct Case {
        const char* name;
        bool rewrittenAfterListing;
        bool writtenWhileCopied;
        DWORD error;
    };
    const Case cases[] = {
        {"as listed", false, false, ERROR_SUCCESS},
        {"rewritten after the listing", true, false, ERROR_SUCCESS},
        {"written while copied", false, true, ERROR_SHARING_VIOLATION},
        {"rewritten, then written while copied", true, true, ERROR_SHARING_VIOLATION},
    };
    const auto writeSource = [&](const Bytes& content, timespec time) {
        drive.Write(u"src.doc", content);
        const timespec times[2] = {{0, UTIME_OMIT}, time};
        ASSERT_EQ(::utimensat(AT_FDCWD, drive.Host(u"src.doc").c_str(), times, 0), 0);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(drive.Host(u"dst.doc"));
        Bytes content = RandomBytes((2 << 20) + 3, 5);
        timespec time{1'400'000'000, 123'456'789};
        writeSource(content, time);
        WIN32_FIND_DATAW found;
        FindClose(FindFirstFileW(drive.Path(u"src.doc").c_str(), &found));
        if (c.rewrittenAfterListing) {
            content = RandomBytes((3 << 20) + 11, 6);
            time = {1'500'000'000, 987'654'321};
            writeSource(content, time);
        }
        testsupport::WaitPastChangeTime(drive.Host(u"src.doc"));

        WritingJob job;
        job.writes = c.writtenWhileCopied ? drive.Host(u"src.doc") : std::filesystem::path();
        DWORD error = 99;
        EXPECT_EQ(CopyOneFile(job, drive.Path(u"src.doc"), drive.Path(u"dst.doc"), COPY_PLAIN, kPass, nullptr, &error,
                              &found),
                  c.error == ERROR_SUCCESS);
        EXPECT_EQ(error, c.error);
        if (c.error != ERROR_SUCCESS) {
            EXPECT_FALSE(drive.Exists(u"dst.doc"));
            continue;
        }
        EXPECT_EQ(drive.Read(u"dst.doc"), content);
        struct stat copy { };
        ASSERT_EQ(::stat(drive.Host(u"dst.doc").c_str(), &copy), 0);
        EXPECT_EQ(copy.st_mtim.tv_sec, time.tv_sec);
        EXPECT_EQ(copy.st_mtim.tv_nsec, time.tv_nsec);
        EXPECT_EQ(job.Bytes().done, static_cast<std::int64_t>(content.size()));
    }
}

// How far the process has read the file through any handle open on it (/proc/self/fdinfo); -1
// when none is open.
long long ReadOffsetOf(const std::filesystem::path& file)
{
    long long offset = -1;
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        if (std::filesystem::read_symlink(fd.path(), error) != file) {
            continue;
        }
        std::ifstream info("/proc/self/fdinfo/" + fd.path().filename().string());
        std::string key;
        long long pos = -1;
        if (info >> key >> pos && key == "pos:") {
            offset = std::max(offset, pos);
        }
    }
    return offset;
}

// A job that, once the copy has read its source past a mark, lets another program's writer act on
// the source, once.
class WriterAtMark : public RunningJob {
public:
    std::filesystem::path source;
    long long mark = 0;
    std::function<void()> writer;
    void PumpMessages() override
    {
        if (writer && ReadOffsetOf(source) >= mark) {
            std::exchange(writer, nullptr)();
        }
    }
};

// Whatever another program does to a file while it is copied, plain or into a container, the copy
// reported complete holds one whole version of it; otherwise the file fails as in use, with
// nothing left on the drive.
TEST_F(CopyTest, ASourceChangedWhileCopiedIsCopiedWholeOrFailsAsInUse)
{
    enum Outcome { OLD, IN_USE, OLD_OR_IN_USE };
    const Bytes old = RandomBytes((3 << 20) + 5, 7);
    const Bytes fresh = RandomBytes(old.size(), 8);
    const std::filesystem::path source = std::filesystem::canonical(drive.Host(u"")) / "src.doc";
    const auto writeAll = [&](int flags, const Bytes& content) {
        const int fd = ::open(source.c_str(), O_WRONLY | flags);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::pwrite(fd, content.data(), content.size(), 0), static_cast<ssize_t>(content.size()));
        ::close(fd);
    };
    const timespec listedTime{1'400'000'000, 123'456'789};
    const auto setTimeBack = [&] {
        const timespec times[2] = {{0, UTIME_OMIT}, listedTime};
        ASSERT_EQ(::utimensat(AT_FDCWD, source.c_str(), times, 0), 0);
    };
    struct Case {
        const char* name;
        std::function<void()> writer;
        Outcome outcome;
    };
    const Case cases[] = {
        {"left alone", nullptr, OLD},
        {"rewritten through O_TRUNC", [&] { writeAll(O_TRUNC, fresh); }, IN_USE},
        {"cut short, its time set back",
         [&] {
             writeAll(O_TRUNC, Bytes(fresh.begin(), fresh.begin() + 1000));
             setTimeBack();
         },
         IN_USE},
        {"rewritten in place to the same size, its time set back",
         [&] {
             writeAll(0, fresh);
             setTimeBack();
         },
         IN_USE},
        {"appended to", [&] { writeAll(O_APPEND, Bytes(100, 'x')); }, IN_USE},
        // The file copied is whole: only its name has gone to another.
        {"renamed over",
         [&] {
             drive.Write(u"new.doc", fresh);
             std::filesystem::rename(drive.Host(u"new.doc"), source);
         },
         OLD_OR_IN_USE},
    };
    for (const int mode : {COPY_PLAIN, COPY_ENCODE}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (mode == COPY_ENCODE ? ", encrypted" : ", plain"));
            std::filesystem::remove_all(drive.Host(u"run"));
            std::filesystem::remove_all(drive.Host(u"back"));
            std::filesystem::create_directories(drive.Host(u"run"));
            drive.Write(u"src.doc", old);
            setTimeBack();
            WIN32_FIND_DATAW found;
            FindClose(FindFirstFileW(drive.Path(u"src.doc").c_str(), &found));
            testsupport::WaitPastChangeTime(source);

            WriterAtMark job;
            job.source = source;
            job.mark = 1 << 20;
            job.writer = c.writer;
            clProcessNotify notifier;
            ArmNotifier(&notifier);
            DWORD error = 99;
            const bool copied = CopyOneFile(job, drive.Path(u"src.doc"), drive.Path(u"run\\src.doc"), mode, kPass,
                                            &notifier, &error, &found);
            EXPECT_EQ(job.writer, nullptr) << "the writer never ran";
            if (!copied) {
                EXPECT_NE(c.outcome, OLD);
                EXPECT_EQ(error, ERROR_SHARING_VIOLATION);
                EXPECT_TRUE(std::filesystem::is_empty(drive.Host(u"run")));
                continue;
            }
            EXPECT_NE(c.outcome, IN_USE);
            if (mode == COPY_ENCODE) {
                std::filesystem::create_directories(drive.Host(u"back"));
                ASSERT_TRUE(Copy(u"run\\src.doc.vemoen", u"back\\src.doc", COPY_DECODE, &error));
            }
            EXPECT_EQ(drive.Read(mode == COPY_ENCODE ? u"back\\src.doc" : u"run\\src.doc"), old);
        }
    }
}

TEST(SizeText, TruncatedToOneDecimal)
{
    const std::pair<LONGLONG, const char*> cases[] = {
        {0, "0.0 Bytes"},       {1023, "1023.0 Bytes"},    {1024, "1.0 KB"},       {1536, "1.5 KB"},
        {1048575, "1023.9 KB"}, {1073741823, "1023.9 MB"}, {1073741824, "1.0 GB"}, {5368709120LL, "5.0 GB"},
    };
    for (const auto& [size, text] : cases) {
        EXPECT_EQ(platform::ToUtf8(FormatByteSize(size)), text) << size;
        EXPECT_EQ(FormatSizeText(static_cast<DWORD>(size >> 32), static_cast<DWORD>(size)), FormatByteSize(size));
    }
}

TEST_F(CopyTest, DeleteTreeRemovesReadOnlyFilesAndNeverFollowsALink)
{
    drive.Write(u"tree\\sub\\ro.txt", {1});
    SetAttributes(u"tree\\sub\\ro.txt", FILE_ATTRIBUTE_READONLY);
    drive.Write(u"outside\\keep.txt", {2});
    std::filesystem::create_directory_symlink(drive.Host(u"outside"), drive.Host(u"tree\\link"));
    EXPECT_TRUE(DeleteTree(drive.Path(u"tree")));
    EXPECT_FALSE(drive.Exists(u"tree"));
    EXPECT_TRUE(drive.Exists(u"outside\\keep.txt"));
    EXPECT_FALSE(DeleteTree(drive.Path(u"tree")));
}

TEST_F(CopyTest, CopyItemTreeSkipsSystemFilesAndSumsSizes)
{
    drive.Write(u"Fav\\a.url", Bytes(10, 'a'));
    drive.Write(u"Fav\\sub\\b.url", Bytes(20, 'b'));
    drive.Write(u"Fav\\sys.dat", Bytes(40, 's'));
    SetAttributes(u"Fav\\sys.dat", FILE_ATTRIBUTE_SYSTEM);
    LONGLONG total = 0;
    SumPathSize(running, total, drive.Path(u""), u"Fav", u"*.*");
    EXPECT_EQ(total, 30);

    lists::TStringList completed;
    lists::TStringList failed;
    RunningJob job;
    EXPECT_TRUE(CopyItemTree(job, completed, failed, drive.Path(u""), drive.Path(u"Out"), u"Fav", u"Fav", u"*.*", kPass,
                             COPY_PLAIN, nullptr));
    EXPECT_EQ(completed.Count(), 2);
    EXPECT_EQ(failed.Count(), 0);
    EXPECT_EQ(drive.Read(u"Out\\Fav\\sub\\b.url"), Bytes(20, 'b'));
    EXPECT_FALSE(drive.Exists(u"Out\\Fav\\sys.dat"));
}

// The drive matches names case-blind: the second of two names that differ only in case would land
// on the first one's copy.
TEST_F(CopyTest, CopyItemTreeCopiesTheFirstOfNamesThatDifferOnlyInCase)
{
    drive.Write(u"Fav\\Link.url", Bytes(10, 'A'));
    drive.Write(u"Fav\\link.url", Bytes(20, 'a'));
    lists::TStringList completed;
    lists::TStringList failed;
    RunningJob job;
    EXPECT_TRUE(CopyItemTree(job, completed, failed, drive.Path(u""), drive.Path(u"Out"), u"Fav", u"Fav", u"*.*", kPass,
                             COPY_PLAIN, nullptr));
    EXPECT_EQ(completed.Lines(), std::vector<std::u16string>{drive.Path(u"Fav\\Link.url")});
    EXPECT_EQ(failed.Lines(), std::vector<std::u16string>{drive.Path(u"Fav\\link.url") + u"     ErrorCode : 183"});
    EXPECT_EQ(drive.Read(u"Out\\Fav\\Link.url"), Bytes(10, 'A'));
}

}  // namespace
