// Two jobs on one backup drive: while another job holds E: (another instance, here another open
// description of the lock, also reached through another letter for the same drive), a backup
// start is refused with the busy message and writes nothing.

#include "backup/base/Language.h"
#include "backup/window/jobs/StartersBackup.h"
#include "platform/drive_job_lock.h"
#include "platform/drives.h"
#include "startup_fixture.h"

namespace {

class DriveTaken : public startuptest::StartupMachine {
protected:
    std::vector<std::u16string> StartBoth()
    {
        std::vector<std::u16string> shown;
        const std::function<void(ui::TForm&)> answer = [&](ui::TForm& box) {
            if (auto* msg = dynamic_cast<TMsgForm*>(&box)) {
                shown.push_back(msg->Msg_Lab->Caption());
            }
            box.Close();
            ui_.AnswerNextModal(answer);
        };
        ui_.AnswerNextModal(answer);
        StartEasyBackup(form(), u"E:\\", form().Progress_File_Path_Lab, {1, 1, 1, 1, 1}, form().Progress_File_Path_Lab);
        StartManualBackup(form(), u"E:\\");
        return shown;
    }
};

TEST_F(DriveTaken, BackupStartsAreRefusedWhileAnotherJobHoldsTheDrive)
{
    Open(1033);
    const std::u16string busy = LookupText(*form().LangTable, 20210);
    platform::Drive sameDisk;
    sameDisk.letter = u'G';
    sameDisk.hostFolder = Host("e").string();
    sameDisk.type = 3;
    platform::MountDrive(sameDisk);
    for (const char16_t* heldThrough : {u"E:\\", u"G:\\"}) {
        platform::DriveJobLock other(heldThrough);
        ASSERT_EQ(other.error(), 0u);
        EXPECT_EQ(StartBoth(), (std::vector<std::u16string>{busy, busy}));
        EXPECT_EQ(form().Idle, 1);
        EXPECT_FALSE(std::filesystem::exists(Host("e/Harbex_Solo+")));
    }
    platform::UnmountDrive(u'G');

    StartEasyBackup(form(), u"E:\\", form().Progress_File_Path_Lab, {1, 1, 1, 1, 1}, form().Progress_File_Path_Lab);
    EXPECT_TRUE(BackupDriveHasFiles()) << "the drive is free again";
    EXPECT_EQ(platform::DriveJobLock(u"E:\\").error(), 0u) << "the job let the drive go";
}

}  // namespace
