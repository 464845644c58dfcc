#include "platform/drive_job_lock.h"

#include "tests/support/temp_drive.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using testsupport::TempDrive;

namespace {

TEST(DriveJobLock, OneHolderAtATimeAcrossProcessesAndReleasedWithItsOwner)
{
    TempDrive drive(u'K');
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const platform::DriveJobLock held(u"K:\\Harbex_Solo+");
        char byte = held.error() == 0 ? 'y' : 'n';
        (void)!write(ready[1], &byte, 1);
        (void)!read(release[0], &byte, 1);
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    EXPECT_EQ(byte, 'y');
    EXPECT_EQ(platform::DriveJobLock(u"K:\\").error(), ERROR_LOCK_VIOLATION) << "held by another process";
    (void)!write(release[1], &byte, 1);
    int status = 0;
    waitpid(child, &status, 0);
    for (int fd : {ready[0], ready[1], release[0], release[1]}) {
        close(fd);
    }

    {
        const platform::DriveJobLock first(u"K:\\");
        ASSERT_EQ(first.error(), 0u) << "free once the other process ended";
        EXPECT_EQ(platform::DriveJobLock(u"K:\\").error(), ERROR_LOCK_VIOLATION) << "another open description";
    }
    EXPECT_EQ(platform::DriveJobLock(u"K:\\").error(), 0u);
    EXPECT_EQ(platform::DriveJobLock(u"Q:\\").error(), ERROR_PATH_NOT_FOUND) << "no such drive";
    EXPECT_TRUE(std::filesystem::is_empty(drive.Host())) << "nothing written to the drive";
}

}  // namespace
