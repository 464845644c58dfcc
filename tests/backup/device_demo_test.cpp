#include "backup/drive/BridgeChip.h"
#include "backup/drive/Driveviewutil.h"
#include "tests/platform/machine_fixture.h"
#include "tools/demo_machine.h"

#include <cstdlib>

namespace {

using DemoMachine = MachineFixture;

TEST_F(DemoMachine, ButtonOfDriveEFollowsTheSimulatorCommand)
{
    const std::string demo = folder_ + "/demo";
    std::string error;
    ASSERT_TRUE(demo::MakeDemoMachine(demo, error)) << error;
    ScopedEnv machine("HARBEX_MACHINE", (demo + "/machine.ini").c_str());
    ASSERT_TRUE(platform::InitMachine(error)) << error;

    RECORD_DEVICECODE other, external;
    DEVICE_TABLE table;
    ScanDrives(other, external, table);
    PrepareScannedDevices(table);
    ASSERT_TRUE(DriveListContains(external, u"E:\\"));
    ASSERT_EQ(table.Count, 1);
    RECORD_EXTDEVICE& drive = table.Devices[0];
    EXPECT_EQ(drive.ChipCode, 0x2105);
    EXPECT_EQ(drive.ButtonMask, 0x0001);

    const auto read = [&] { return ReadDeviceButton(drive, table.DiskInterfaceData[0], table.DiskInterfaceSet[0]); };
    EXPECT_EQ(read(), 0);
    ASSERT_EQ(std::system(HARBEX_SIM " press E"), 0);
    EXPECT_EQ(read(), 1);
    ASSERT_EQ(std::system(HARBEX_SIM " release E"), 0);
    EXPECT_EQ(read(), 0);
    ASSERT_EQ(std::system(HARBEX_SIM " unplug E"), 0);
    RECORD_DEVICECODE afterUnplug, externalAfterUnplug;
    ScanDrives(afterUnplug, externalAfterUnplug, table);
    EXPECT_FALSE(DriveListContains(externalAfterUnplug, u"E:\\"));
}

}  // namespace
