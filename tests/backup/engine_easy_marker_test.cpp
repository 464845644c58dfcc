#include "backup/base/CommandLine.h"
#include "backup/base/SettingsPaths.h"
#include "backup/engine/DateTimeNumber.h"
#include "backup/engine/InterruptMarker.h"
#include "backup/window/jobs/WindowJob.h"
#include "tests/support/file_tree.h"
#include "tests/support/machine_profile.h"

#include "engine_easy_machine.h"

namespace {

using easytest::EasyMachine;
using easytest::kRunStamp;

using testsupport::kInterruptMarker;
const std::string kPc = "/Harbex_Solo+/HOMEPCAlice61/";

class Marker : public EasyMachine {
protected:
    void WriteMarker(const std::vector<std::string>& lines)
    {
        lists::TStringList marker;
        for (const std::string& line : lines) {
            marker.Add(platform::FromUtf8(line));
        }
        ASSERT_TRUE(marker.SaveToFile(BacAbnorPath(true)));
    }

    // The run folders of two runs on E: and F:: the interrupted one and an earlier one.
    void MakeRuns()
    {
        testsupport::FileTree runs;
        for (const std::string drive : {"e", "f"}) {
            for (const std::string& stamp : {kRunStamp, std::string("20110304_100000")}) {
                for (const char* category : {"Document", "Graphic", "Mail"}) {
                    runs[RunFolder(drive, category, stamp) + "/C/a.doc"] = "\x01";
                }
                runs[drive + kPc + "Manual/" + stamp + "/C/a.doc"] = "\x01";
            }
        }
        testsupport::WriteTree(folder_, runs);
    }

    int Remaining(const std::string& stamp)
    {
        int count = 0;
        for (const std::string drive : {"e", "f"}) {
            for (const char* category : {"Document", "Graphic", "Mail"}) {
                count += std::filesystem::exists(Host(RunFolder(drive, category, stamp)));
            }
            count += std::filesystem::exists(Host(drive + kPc + "Manual/" + stamp));
        }
        return count;
    }

    static RECORD_DEVICECODE Drives()
    {
        RECORD_DEVICECODE drives;
        drives.Count = 2;
        drives.Roots[0] = u"E:\\";
        drives.Roots[1] = u"F:\\";
        return drives;
    }
};

TEST_F(Marker, WrittenWithTheKindAndTheRunTime)
{
    EXPECT_TRUE(WriteJobMarker(WindowJob::OfWindow(), JOB_KIND_MANUAL, easytest::kRunTime, u"E:\\Backup"));
    EXPECT_EQ(ReadFile(kInterruptMarker), ListFileBytes({"1", "40607.5882986111", "E:\\"}));
    EXPECT_TRUE(RemoveJobMarker());
    EXPECT_FALSE(std::filesystem::exists(Host(kInterruptMarker)));
    EXPECT_TRUE(RemoveJobMarker()) << "no marker is no failure";
}

TEST_F(Marker, CleanUpDeletesTheInterruptedRunOnItsDriveAndKeepsTheMarkerWhileTheDriveIsAway)
{
    const std::string time = "40607.5882986111";
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        int result;
        int remainingInterrupted;  // of 8: three categories and Manual on two drives
        bool markerStays;
    };
    const Case cases[] = {
        {"easy on E:", {"0", time, "E:\\"}, 0, 5, false},
        {"manual on F:", {"1", time, "F:\\"}, 1, 7, false},
        {"drive letter in lower case", {"1", time, "f:\\"}, 1, 7, false},
        {"easy on a drive that is away", {"0", time, "G:\\"}, -1, 8, true},
        {"no drive named: every listed drive", {"0", time}, 0, 2, false},
        {"manual, no drive named", {"1", time}, 1, 6, false},
        {"unknown kind", {"7", time, "G:\\"}, 7, 8, false},
        {"kind not a number", {"x", time}, -1, 8, false},
        {"one line", {"0"}, -1, 8, false},
        {"time not a number", {"0", "soon", "G:\\"}, 0, 8, false},
    };
    for (const Case& c : cases) {
        MakeRuns();
        WriteMarker(c.lines);
        EXPECT_EQ(CleanUpInterruptedJob(WindowJob::OfWindow(), Drives()), c.result) << c.name;
        EXPECT_EQ(std::filesystem::exists(Host(kInterruptMarker)), c.markerStays) << c.name;
        std::filesystem::remove(Host(kInterruptMarker));
        EXPECT_EQ(Remaining(kRunStamp), c.remainingInterrupted) << c.name;
        EXPECT_EQ(Remaining("20110304_100000"), 8) << c.name << ": earlier runs stay";
    }
    EXPECT_EQ(CleanUpInterruptedJob(WindowJob::OfWindow(), Drives()), -1) << "no marker";
}

TEST_F(Marker, AnInstanceStartedForADriveKeepsItsOwnMarker)
{
    WriteMarker({"0", "40607.5882986111"});
    SetCommandLineArgument(u"E:\\");
    EXPECT_EQ(CleanUpInterruptedJob(WindowJob::OfWindow(), Drives()), -1);
    WriteJobMarker(WindowJob::OfWindow(), JOB_KIND_EASY, easytest::kRunTime, u"E:\\");
    EXPECT_TRUE(std::filesystem::exists(Host("c/Users/Alice/AppData/Roaming/Harbex_Solo+/Ini/BacAbnor_E.ini")));
    EXPECT_TRUE(std::filesystem::exists(Host(kInterruptMarker)));
}

}  // namespace
