#include "platform/copy_file.h"
#include "platform/file_times.h"
#include "platform/files.h"
#include "platform/host_case.h"
#include "tests/support/file_tree.h"
#include "tests/support/temp_drive.h"

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <vector>

using testsupport::TempDrive;

using namespace platform;

namespace {

struct ProgressLog {
    std::vector<std::pair<LONGLONG, LONGLONG>> calls;  // total, transferred
    DWORD answerAtCall = 0xFFFFFFFF;
    DWORD answer = PROGRESS_CONTINUE;
};

DWORD Record(LARGE_INTEGER total, LARGE_INTEGER transferred, LARGE_INTEGER, LARGE_INTEGER, DWORD, DWORD, HANDLE, HANDLE,
             void* data)
{
    auto& log = *static_cast<ProgressLog*>(data);
    log.calls.emplace_back(total.QuadPart, transferred.QuadPart);
    return log.calls.size() - 1 == log.answerAtCall ? log.answer : PROGRESS_CONTINUE;
}

std::string Pattern(std::size_t size)
{
    std::string data(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        data[i] = static_cast<char>((i * 131) ^ (i >> 9));
    }
    return data;
}

std::size_t EntriesIn(const std::string& folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

class CopyTest : public ::testing::Test {
protected:
    TempDrive x{u'X'};
};

}  // namespace

TEST_F(CopyTest, CopiesBytesTimeAndAttributesReportingEachChunk)
{
    const std::string content = Pattern((3 << 20) + 17);
    x.Write("src/big.bin", content);
    x.MakeFolder("dst");
    ASSERT_TRUE(SetFileAttributesW(x.Path(u"src\\big.bin").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
    const timespec times[2] = {{0, UTIME_OMIT}, {1'600'000'000, 123'456'700}};
    ASSERT_EQ(::utimensat(AT_FDCWD, x.Host("src/big.bin").c_str(), times, 0), 0);

    ProgressLog log;
    ASSERT_TRUE(CopyFileExW(x.Path(u"src\\big.bin").c_str(), x.Path(u"dst\\big.bin").c_str(), Record, &log, nullptr,
                            COPY_FILE_RESTARTABLE));
    EXPECT_EQ(x.ReadText("dst/big.bin"), content);
    ASSERT_GE(log.calls.size(), 3u);
    EXPECT_EQ(log.calls.front(), std::make_pair(LONGLONG(content.size()), LONGLONG(0)));
    EXPECT_EQ(log.calls.back(), std::make_pair(LONGLONG(content.size()), LONGLONG(content.size())));
    EXPECT_EQ(GetFileAttributesW(x.Path(u"dst\\big.bin").c_str()),
              FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
    WIN32_FIND_DATAW source, copy;
    FindClose(FindFirstFileW(x.Path(u"src\\big.bin").c_str(), &source));
    FindClose(FindFirstFileW(x.Path(u"dst\\big.bin").c_str(), &copy));
    EXPECT_EQ(FileTimeToU64(copy.ftLastWriteTime), FileTimeToU64(source.ftLastWriteTime));
    EXPECT_EQ(EntriesIn(x.Host("dst")), 1u);
}

TEST_F(CopyTest, EmptyFileReportsOnceWithTotalZero)
{
    x.Write("empty.txt", "");
    ProgressLog log;
    ASSERT_TRUE(CopyFileExW(x.Path(u"empty.txt").c_str(), x.Path(u"copy.txt").c_str(), Record, &log, nullptr, 0));
    EXPECT_EQ(log.calls, (std::vector<std::pair<LONGLONG, LONGLONG>>{{0, 0}}));
    EXPECT_EQ(x.ReadText("copy.txt"), "");
}

TEST_F(CopyTest, CancelOrStopLeavesNoDestination)
{
    x.Write("src.bin", Pattern(3 << 20));
    for (const DWORD answer : {PROGRESS_CANCEL, PROGRESS_STOP}) {
        for (const DWORD atCall : {0u, 1u}) {
            ProgressLog log;
            log.answer = answer;
            log.answerAtCall = atCall;
            EXPECT_FALSE(CopyFileExW(x.Path(u"src.bin").c_str(), x.Path(u"dst.bin").c_str(), Record, &log, nullptr, 0));
            EXPECT_EQ(GetLastError(), ERROR_REQUEST_ABORTED);
            EXPECT_EQ(log.calls.size(), atCall + 1);
            EXPECT_EQ(EntriesIn(x.Host()), 1u) << answer << " at " << atCall;
        }
    }
}

TEST_F(CopyTest, FailedCopyKeepsTheExistingDestination)
{
    x.Write("src.bin", Pattern(3 << 20));
    x.Write("dst.bin", "old");
    ProgressLog log;
    log.answer = PROGRESS_CANCEL;
    log.answerAtCall = 2;
    EXPECT_FALSE(CopyFileExW(x.Path(u"src.bin").c_str(), x.Path(u"dst.bin").c_str(), Record, &log, nullptr, 0));
    EXPECT_EQ(x.ReadText("dst.bin"), "old");
    EXPECT_EQ(EntriesIn(x.Host()), 2u);

    struct Case {
        const char* name;
        DWORD destinationAttributes;
        DWORD flags;
        DWORD error;
    };
    const Case cases[] = {
        {"read-only destination", FILE_ATTRIBUTE_READONLY, 0, ERROR_ACCESS_DENIED},
        {"hidden destination, plain source", FILE_ATTRIBUTE_HIDDEN, 0, ERROR_ACCESS_DENIED},
        {"fail if exists", FILE_ATTRIBUTE_NORMAL, COPY_FILE_FAIL_IF_EXISTS, ERROR_FILE_EXISTS},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(SetFileAttributesW(x.Path(u"dst.bin").c_str(), c.destinationAttributes));
        EXPECT_FALSE(
            CopyFileExW(x.Path(u"src.bin").c_str(), x.Path(u"dst.bin").c_str(), nullptr, nullptr, nullptr, c.flags))
            << c.name;
        EXPECT_EQ(GetLastError(), c.error) << c.name;
        EXPECT_EQ(x.ReadText("dst.bin"), "old") << c.name;
    }
    ASSERT_TRUE(SetFileAttributesW(x.Path(u"dst.bin").c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_TRUE(CopyFileW(x.Path(u"src.bin").c_str(), x.Path(u"DST.BIN").c_str(), FALSE));
    EXPECT_EQ(x.ReadText("dst.bin"), Pattern(3 << 20));
    EXPECT_EQ(EntriesIn(x.Host()), 2u);
}

TEST_F(CopyTest, CopyToFreeNameGivesExactAttributesAndNeverTakesAUsedName)
{
    const std::string content = Pattern((1 << 20) + 5);
    x.Write("src.bin", content);
    const timespec times[2] = {{0, UTIME_OMIT}, {1'600'000'000, 123'456'789}};
    ASSERT_EQ(::utimensat(AT_FDCWD, x.Host("src.bin").c_str(), times, 0), 0);
    for (const DWORD attributes : {FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_READONLY,
                                   FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN}) {
        ASSERT_TRUE(
            CopyFileToFreeName(x.Path(u"src.bin").c_str(), x.Path(u"dst.bin").c_str(), nullptr, nullptr, attributes));
        EXPECT_EQ(GetFileAttributesW(x.Path(u"dst.bin").c_str()), attributes);
        EXPECT_EQ(x.ReadText("dst.bin"), content);
        struct stat copy { };
        ASSERT_EQ(::stat(x.Host("dst.bin").c_str(), &copy), 0);
        EXPECT_EQ(copy.st_mtim.tv_sec, times[1].tv_sec);
        EXPECT_EQ(copy.st_mtim.tv_nsec, times[1].tv_nsec);
        ASSERT_TRUE(SetFileAttributesW(x.Path(u"dst.bin").c_str(), FILE_ATTRIBUTE_NORMAL));
        ASSERT_TRUE(DeleteFileW(x.Path(u"dst.bin").c_str()));
    }

    // A used name, in any case, is left as it is; so is the folder when the copy is cancelled.
    x.Write("dst.bin", "old");
    for (const char16_t* name : {u"dst.bin", u"DST.BIN"}) {
        EXPECT_FALSE(CopyFileToFreeName(x.Path(u"src.bin").c_str(), (x.Path() + name).c_str(), nullptr, nullptr,
                                        FILE_ATTRIBUTE_NORMAL));
        EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);
        EXPECT_EQ(x.ReadText("dst.bin"), "old");
    }
    ProgressLog log;
    log.answer = PROGRESS_CANCEL;
    log.answerAtCall = 1;
    EXPECT_FALSE(CopyFileToFreeName(x.Path(u"src.bin").c_str(), x.Path(u"new.bin").c_str(), Record, &log,
                                    FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(GetLastError(), ERROR_REQUEST_ABORTED);
    EXPECT_EQ(EntriesIn(x.Host()), 2u);
}

// A job checks each folder once; names it adds, in any case, are still never taken twice, and once
// the job is over the folder is read again, with what others wrote meanwhile.
TEST_F(CopyTest, AJobChecksItsFoldersOnceAndNeverTakesAUsedName)
{
    x.Write("src.bin", "data");
    const auto copyTo = [&](const char16_t* name) {
        return CopyFileToFreeName(x.Path(u"src.bin").c_str(), (x.Path(u"run\\") + name).c_str(), nullptr, nullptr,
                                  FILE_ATTRIBUTE_NORMAL);
    };
    {
        const platform::KeepFolderNames job;
        ASSERT_TRUE(CreateDirectoryW(x.Path(u"run").c_str(), nullptr));
        EXPECT_FALSE(CreateDirectoryW(x.Path(u"RUN").c_str(), nullptr));
        EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
        ASSERT_TRUE(copyTo(u"a.bin"));
        EXPECT_FALSE(copyTo(u"A.BIN"));
        EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);
        ASSERT_TRUE(CreateDirectoryW(x.Path(u"run\\sub").c_str(), nullptr));
        EXPECT_FALSE(copyTo(u"SUB"));
        EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);
    }
    x.Write("run/b.bin", "other");
    EXPECT_FALSE(copyTo(u"B.BIN"));
    EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);
    EXPECT_EQ(x.ReadText("run/b.bin"), "other");
    EXPECT_TRUE(copyTo(u"c.bin"));
    EXPECT_EQ(x.ReadText("run/c.bin"), "data");
}

// A folder that was there before the job is read once for its names: a name it holds in any case
// is never linked over, and once the job is over what others wrote meanwhile counts again.
TEST_F(CopyTest, AJobReadsAFolderItFoundOnceAndNeverLinksOverAName)
{
    x.Write("src/a.bin", "content");
    x.Write("dst/Taken.bin", "old");
    const auto linkAs = [&](const std::u16string& name) {
        return CreateHardLinkW(x.Path(name).c_str(), x.Path(u"src\\a.bin").c_str(), nullptr);
    };
    {
        const platform::KeepFolderNames job;
        EXPECT_FALSE(linkAs(u"dst\\TAKEN.BIN"));
        EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
        EXPECT_TRUE(linkAs(u"dst\\new.bin"));
        EXPECT_FALSE(linkAs(u"dst\\NEW.BIN"));
        EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
        EXPECT_FALSE(linkAs(u"none\\b.bin"));
        EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    }
    x.Write("dst/later.bin", "other");
    EXPECT_FALSE(linkAs(u"dst\\LATER.BIN"));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_EQ(x.ReadText("dst/later.bin"), "other");
    EXPECT_EQ(x.ReadText("dst/Taken.bin"), "old");
    EXPECT_EQ(x.ReadText("dst/new.bin"), "content");
}

TEST_F(CopyTest, MoveReplacesAndCrossesFileSystems)
{
    x.Write("a.txt", "a");
    x.Write("b.txt", "b");
    ASSERT_TRUE(MoveFileExW(x.Path(u"a.txt").c_str(), x.Path(u"b.txt").c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(x.ReadText("b.txt"), "a");
    EXPECT_EQ(GetFileAttributesW(x.Path(u"a.txt").c_str()), INVALID_FILE_ATTRIBUTES);

    struct stat here {
    }, shm{};
    if (::stat("/dev/shm", &shm) != 0 || (::stat(x.Host().c_str(), &here), here.st_dev == shm.st_dev)) {
        GTEST_SKIP() << "no second file system";
    }
    TempDrive y(u'Y', DRIVE_FIXED, "/dev/shm");
    EXPECT_FALSE(MoveFileExW(x.Path(u"b.txt").c_str(), y.Path(u"b.txt").c_str(), 0));
    EXPECT_EQ(GetLastError(), 17u);
    ASSERT_TRUE(MoveFileW(x.Path(u"b.txt").c_str(), y.Path(u"b.txt").c_str()));
    EXPECT_EQ(y.ReadText("b.txt"), "a");
    EXPECT_EQ(GetFileAttributesW(x.Path(u"b.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(CopyTest, HardLinkSharesTheFileAndNeverTakesAUsedName)
{
    x.Write("src/a.bin", "content");
    x.Write("dst/taken.bin", "old");
    ASSERT_TRUE(SetFileAttributesW(x.Path(u"src\\a.bin").c_str(), FILE_ATTRIBUTE_HIDDEN));

    ASSERT_TRUE(CreateHardLinkW(x.Path(u"DST\\a.bin").c_str(), x.Path(u"src\\A.BIN").c_str(), nullptr));
    EXPECT_EQ(x.ReadText("dst/a.bin"), "content");
    EXPECT_EQ(GetFileAttributesW(x.Path(u"dst\\a.bin").c_str()), FILE_ATTRIBUTE_HIDDEN);
    // Deleting one name leaves the other with its attributes.
    ASSERT_TRUE(DeleteFileW(x.Path(u"src\\a.bin").c_str()));
    EXPECT_EQ(x.ReadText("dst/a.bin"), "content");
    EXPECT_EQ(GetFileAttributesW(x.Path(u"dst\\a.bin").c_str()), FILE_ATTRIBUTE_HIDDEN);

    struct Case {
        const char* name;
        const char16_t* link;
        const char16_t* existing;
        DWORD error;
    };
    const Case cases[] = {
        {"name taken", u"dst\\taken.bin", u"dst\\a.bin", ERROR_ALREADY_EXISTS},
        {"name taken in another case", u"dst\\TAKEN.BIN", u"dst\\a.bin", ERROR_ALREADY_EXISTS},
        {"missing folder", u"none\\b.bin", u"dst\\a.bin", ERROR_PATH_NOT_FOUND},
        {"missing file", u"dst\\b.bin", u"dst\\none.bin", ERROR_FILE_NOT_FOUND},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(CreateHardLinkW(x.Path(c.link).c_str(), x.Path(c.existing).c_str(), nullptr)) << c.name;
        EXPECT_EQ(GetLastError(), c.error) << c.name;
    }
    EXPECT_EQ(x.ReadText("dst/taken.bin"), "old");
    EXPECT_EQ(EntriesIn(x.Host("dst")), 2u);

    struct stat here {
    }, shm{};
    if (::stat("/dev/shm", &shm) != 0 || (::stat(x.Host().c_str(), &here), here.st_dev == shm.st_dev)) {
        GTEST_SKIP() << "no second file system";
    }
    TempDrive y(u'Y', DRIVE_FIXED, "/dev/shm");
    EXPECT_FALSE(CreateHardLinkW(y.Path(u"a.bin").c_str(), x.Path(u"dst\\a.bin").c_str(), nullptr));
    EXPECT_EQ(GetLastError(), 17u);
    EXPECT_FALSE(y.Exists("a.bin"));
}

// A copy handed the source's listing takes the source as it is when the copy begins: changed or
// replaced since the listing, it is copied in its new state with its new time, to the nanosecond.
TEST_F(CopyTest, CopyFromAListingTakesTheSourceAsItIsWhenCopied)
{
    struct Case {
        const char* name;
        std::function<void()> change;  // after the listing
        std::string content;
        timespec time;
    };
    const timespec listedTime{1'600'000'000, 123'456'789};
    const timespec laterTime{1'600'000'100, 987'654'321};
    const auto setTime = [&](const char* name, timespec time) {
        const timespec times[2] = {{0, UTIME_OMIT}, time};
        ASSERT_EQ(::utimensat(AT_FDCWD, x.Host(name).c_str(), times, 0), 0);
    };
    const Case cases[] = {
        {"unchanged", [] {}, "listed", listedTime},
        {"rewritten",
         [&] {
             x.Write("src.bin", "rewritten, longer");
             setTime("src.bin", laterTime);
         },
         "rewritten, longer", laterTime},
        {"touched", [&] { setTime("src.bin", laterTime); }, "listed", laterTime},
        {"replaced by a file of the same size and time",
         [&] {
             x.Write("new.bin", "LISTED");
             setTime("new.bin", listedTime);
             ASSERT_EQ(::rename(x.Host("new.bin").c_str(), x.Host("src.bin").c_str()), 0);
         },
         "LISTED", listedTime},
    };
    for (const Case& c : cases) {
        x.Write("src.bin", "listed");
        setTime("src.bin", listedTime);
        WIN32_FIND_DATAW listed;
        FindClose(FindFirstFileW(x.Path(u"src.bin").c_str(), &listed));
        c.change();
        testsupport::WaitPastChangeTime(x.Host("src.bin"));
        ProgressLog log;
        ASSERT_TRUE(CopyFileToFreeName(x.Path(u"src.bin").c_str(), x.Path(u"dst.bin").c_str(), Record, &log,
                                       FILE_ATTRIBUTE_NORMAL, &listed))
            << c.name;
        EXPECT_EQ(x.ReadText("dst.bin"), c.content) << c.name;
        struct stat copy { };
        ASSERT_EQ(::stat(x.Host("dst.bin").c_str(), &copy), 0);
        EXPECT_EQ(copy.st_mtim.tv_sec, c.time.tv_sec) << c.name;
        EXPECT_EQ(copy.st_mtim.tv_nsec, c.time.tv_nsec) << c.name;
        EXPECT_EQ(log.calls.back(), std::make_pair(LONGLONG(c.content.size()), LONGLONG(c.content.size()))) << c.name;
        ASSERT_TRUE(DeleteFileW(x.Path(u"dst.bin").c_str()));
    }
    EXPECT_EQ(EntriesIn(x.Host()), 1u);
}

// A handle of ours that refuses to share a file refuses the copy of the file opened, whatever the
// listing said: a file put in the listed one's place is its own file.
TEST_F(CopyTest, ShareModesHoldForTheFileOpenedRatherThanTheListedOne)
{
    struct Case {
        const char* name;
        bool holdTheListedFile;
        bool copied;
    };
    const Case cases[] = {
        {"the listed file held, then replaced", true, true},
        {"replaced, then the new file held", false, false},
    };
    // Of one size and time, the two files differ in nothing the listing holds but their identity.
    const auto writeAt = [&](const char* name, const char* content) {
        x.Write(name, content);
        const timespec times[2] = {{0, UTIME_OMIT}, {1'600'000'000, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, x.Host(name).c_str(), times, 0), 0);
    };
    for (const Case& c : cases) {
        writeAt("src.bin", "listed");
        WIN32_FIND_DATAW listed;
        FindClose(FindFirstFileW(x.Path(u"src.bin").c_str(), &listed));
        const auto hold = [&] {
            return CreateFileW(x.Path(u"src.bin").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        };
        HANDLE held = c.holdTheListedFile ? hold() : INVALID_HANDLE_VALUE;
        writeAt("new.bin", "LISTED");
        ASSERT_EQ(::rename(x.Host("new.bin").c_str(), x.Host("src.bin").c_str()), 0);
        if (!c.holdTheListedFile) {
            held = hold();
        }
        ASSERT_NE(held, INVALID_HANDLE_VALUE) << c.name;
        testsupport::WaitPastChangeTime(x.Host("src.bin"));
        EXPECT_EQ(CopyFileToFreeName(x.Path(u"src.bin").c_str(), x.Path(u"dst.bin").c_str(), nullptr, nullptr,
                                     FILE_ATTRIBUTE_NORMAL, &listed) != FALSE,
                  c.copied)
            << c.name;
        EXPECT_EQ(GetLastError(), c.copied ? ERROR_SUCCESS : ERROR_SHARING_VIOLATION) << c.name;
        EXPECT_EQ(x.Exists("dst.bin") ? x.ReadText("dst.bin") : "", c.copied ? "LISTED" : "") << c.name;
        CloseHandle(held);
        DeleteFileW(x.Path(u"dst.bin").c_str());
    }
}

// A source written while it is copied fails as a file in use, listed or not, and leaves nothing.
TEST_F(CopyTest, ASourceWrittenDuringTheCopyFailsAsInUse)
{
    x.Write("src.bin", Pattern(3 << 20));
    WIN32_FIND_DATAW listed;
    FindClose(FindFirstFileW(x.Path(u"src.bin").c_str(), &listed));
    struct Writer {
        std::string path;
        int starts = 0;
    } writer{x.Host("src.bin").string()};
    const auto writeEachChunk = [](LARGE_INTEGER, LARGE_INTEGER transferred, LARGE_INTEGER, LARGE_INTEGER, DWORD, DWORD,
                                   HANDLE, HANDLE, void* data) -> DWORD {
        auto& w = *static_cast<Writer*>(data);
        w.starts += transferred.QuadPart == 0 ? 1 : 0;
        const int fd = ::open(w.path.c_str(), O_WRONLY | O_APPEND);
        const bool written = fd >= 0 && ::write(fd, "x", 1) == 1;
        ::close(fd);
        return written ? PROGRESS_CONTINUE : PROGRESS_CANCEL;
    };
    const WIN32_FIND_DATAW* const records[] = {nullptr, &listed};
    for (const WIN32_FIND_DATAW* record : records) {
        writer.starts = 0;
        EXPECT_FALSE(CopyFileToFreeName(x.Path(u"src.bin").c_str(), x.Path(u"dst.bin").c_str(), writeEachChunk, &writer,
                                        FILE_ATTRIBUTE_NORMAL, record));
        EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
        // Changed since the copy began, it is not copied again.
        EXPECT_EQ(writer.starts, 1);
        EXPECT_EQ(EntriesIn(x.Host()), 1u);
    }
}

// A file cut short while it is copied may still show the times it was listed with: the file system
// stamps them later. Shown so, its new size is a file being written, never an empty copy.
TEST_F(CopyTest, ASourceOfAnotherSizeUnderItsListedTimesFailsAsInUse)
{
    x.Write("src.bin", Pattern(3 << 20));
    WIN32_FIND_DATAW listed;
    FindClose(FindFirstFileW(x.Path(u"src.bin").c_str(), &listed));
    const int fd = ::open(x.Host("src.bin").c_str(), O_WRONLY | O_TRUNC);
    ASSERT_GE(fd, 0);
    ::close(fd);
    const timespec times[2] = {{0, UTIME_OMIT}, ToTimespec(listed.ftLastWriteTime)};
    ASSERT_EQ(::utimensat(AT_FDCWD, x.Host("src.bin").c_str(), times, 0), 0);
    struct stat now { };
    ASSERT_EQ(::stat(x.Host("src.bin").c_str(), &now), 0);
    WIN32_FIND_DATAW unstamped = listed;
    unstamped.hostChangeTime = now.st_ctim;
    testsupport::WaitPastChangeTime(x.Host("src.bin"));
    for (const WIN32_FIND_DATAW* record : {&listed, &unstamped}) {
        EXPECT_FALSE(CopyFileToFreeName(x.Path(u"src.bin").c_str(), x.Path(u"dst.bin").c_str(), nullptr, nullptr,
                                        FILE_ATTRIBUTE_NORMAL, record));
        EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
        EXPECT_EQ(EntriesIn(x.Host()), 1u);
    }
}
