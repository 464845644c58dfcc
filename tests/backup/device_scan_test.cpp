#include "backup/base/BackupDriveLayout.h"
#include "backup/drive/BridgeChip.h"
#include "backup/drive/Driveviewutil.h"
#include "device_machine.h"
#include "platform/devices.h"
#include "platform/sim/sim_state.h"

#include <vector>

namespace {

std::vector<std::u16string> Roots(const RECORD_DEVICECODE& list)
{
    return {list.Roots.begin(), list.Roots.begin() + list.Count};
}

struct Scan {
    RECORD_DEVICECODE other, external, local;
    DEVICE_TABLE table;

    void Run()
    {
        ScanDrives(other, external, table);
        PrepareScannedDevices(table);
        ListLocalFixedDisks(local);
    }
};

using DriveScan = DeviceMachineFixture;

struct ChipCase {
    const char* chip;
    const char* arch;
    WORD code;
    WORD mask;
};

TEST_F(DriveScan, FindsEachChipFamilyOnAnExternalDisk)
{
    const ChipCase cases[] = {
        {"register", "x64", 0x2105, 0x0001},   {"register", "x86", 0x2105, 0x0001},
        {"table", "x64", 0x2339, 0x0007},      {"table 2329", "x86", 0x2329, 0x0007},
        {"table 2565", "x64", 0x2565, 0x003F}, {"table 2566", "x64", 0x2566, 0x03FF},
        {"table 2336", "x64", 0x2336, 0},      {"ee", "x64", 0x0700, 0},
        {"probe", "x86", 0x0611, 0},           {"d0 2771", "x64", 0x2771, 0},
        {"e0 3507", "x86", 0x3507, 0},         {"none", "x64", 0, 0},
    };
    for (const ChipCase& c : cases) {
        SCOPED_TRACE(std::string(c.chip) + " " + c.arch);
        StartDevices("E", UsbDisk('E', std::string("chip = ") + c.chip + "\n"), c.arch);
        Scan scan;
        scan.Run();
        EXPECT_EQ(Roots(scan.external), std::vector<std::u16string>{u"E:\\"});
        EXPECT_EQ(Roots(scan.other), std::vector<std::u16string>{u"C:\\"});
        EXPECT_EQ(Roots(scan.local), std::vector<std::u16string>{u"C:\\"});
        ASSERT_EQ(scan.table.Count, 1);
        EXPECT_EQ(scan.table.Devices[0].ChipCode, c.code);
        EXPECT_EQ(scan.table.Devices[0].ButtonMask, c.mask);
        EXPECT_NE(scan.table.Devices[0].DiskNode, 0u);
        EXPECT_NE(scan.table.DiskInterfaceSet[0], nullptr);
    }
}

struct ListCase {
    const char* name;
    std::string letters;
    std::string lines;
    std::vector<std::u16string> external, other, local;
    int devices;
};

TEST_F(DriveScan, SortsDrivesIntoTheLists)
{
    const std::string internal = "[drive D]\nhost = D\n[disk D]\nbus = sata\n";
    const std::string cdrom = "[drive F]\nhost = F\ntype = cdrom\n";
    const std::string stick = "[drive G]\nhost = G\ntype = removable\nbus = usb\n[stick G]\n";
    const ListCase cases[] = {
        {"internal disk, CD-ROM and stick",
         "DFG",
         internal + cdrom + stick,
         {},
         {u"C:\\", u"D:\\", u"F:\\", u"G:\\"},
         {u"C:\\", u"D:\\"},
         0},
        {"a letter the disk driver claims",
         "D",
         internal + "[drivers]\ndiskdriver = yes\nclaims = D\n",
         {u"D:\\"},
         {u"C:\\", u"D:\\"},
         {u"C:\\", u"D:\\"},
         0},
        {"no proxy driver",
         "E",
         UsbDisk('E', "chip = register\n") + "[drivers]\nproxy = no\n",
         {},
         {u"C:\\", u"E:\\"},
         {u"C:\\", u"E:\\"},
         0},
        {"two partitions of one disk",
         "EF",
         UsbDisk('E', "chip = probe\npartitions = F\n") + "[drive F]\nhost = F\nbus = usb\n",
         {u"E:\\", u"F:\\"},
         {u"C:\\"},
         {u"C:\\"},
         1},
        {"a disk-driver letter that is also a USB disk",
         "E",
         UsbDisk('E', "chip = none\n") + "[drivers]\ndiskdriver = yes\nclaims = E\n",
         {u"E:\\"},
         {u"C:\\"},
         {u"C:\\"},
         1},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.name);
        StartDevices(c.letters, c.lines);
        Scan scan;
        scan.Run();
        EXPECT_EQ(Roots(scan.external), c.external);
        EXPECT_EQ(Roots(scan.other), c.other);
        EXPECT_EQ(Roots(scan.local), c.local);
        EXPECT_EQ(scan.table.Count, c.devices);
    }
}

TEST_F(DriveScan, GroupsLettersOfOneDiskInOneEntry)
{
    StartDevices("EF", UsbDisk('E', "chip = table\npartitions = F\n") + "[drive F]\nhost = F\nbus = usb\n");
    Scan scan;
    scan.Run();
    ASSERT_EQ(scan.table.Count, 1);
    EXPECT_EQ(scan.table.Devices[0].LetterCount, 2);
    EXPECT_EQ(scan.table.Devices[0].Letters[0], 'E');
    EXPECT_EQ(scan.table.Devices[0].Letters[1], 'F');
}

TEST_F(DriveScan, SingleDriveTestsCompareRootsExactly)
{
    StartDevices("EF", UsbDisk('E', "chip = none\n") + "[drive F]\nhost = F\ntype = cdrom\nbus = usb\n");
    EXPECT_TRUE(IsExternalUsbDrive(u"E:\\"));
    EXPECT_TRUE(IsExternalUsbDrive(u"F:\\"));
    EXPECT_FALSE(IsExternalUsbDrive(u"C:\\"));
    EXPECT_TRUE(IsInternalFixedDrive(u"C:\\"));
    EXPECT_FALSE(IsInternalFixedDrive(u"E:\\"));
    EXPECT_FALSE(IsInternalFixedDrive(u"A:\\"));
}

struct ButtonCase {
    const char* chip;
    bool primed;
    WORD released, pressed;
};

TEST_F(DriveScan, PrimesAndReadsThePushButton)
{
    const ButtonCase cases[] = {
        {"register", true, 0, 1}, {"table", true, 0, 1}, {"table 2567", true, 0, 1}, {"probe", false, 0, 1},
        {"ee", false, 0, 1},      {"d0", false, 0, 1},   {"e0", false, 0, 0},        {"table 2336", false, 0, 0},
    };
    for (const ButtonCase& c : cases) {
        SCOPED_TRACE(c.chip);
        StartDevices("E", UsbDisk('E', std::string("chip = ") + c.chip + "\nbutton = pressed\n"));
        Scan scan;
        scan.Run();
        ASSERT_EQ(scan.table.Count, 1);
        RECORD_EXTDEVICE& device = scan.table.Devices[0];
        EXPECT_EQ(ResetDeviceButton(device), c.primed);
        EXPECT_EQ(device.ButtonState, c.primed ? 1 : 0);

        const std::string state = platform::sim::StateFolder(folder_);
        ASSERT_EQ(platform::sim::WriteDeviceState(state, u'E', {true, false}), 0u);
        EXPECT_EQ(ReadDeviceButton(device, scan.table.DiskInterfaceData[0], scan.table.DiskInterfaceSet[0]),
                  c.released);
        ASSERT_EQ(platform::sim::WriteDeviceState(state, u'E', {true, true}), 0u);
        EXPECT_EQ(ReadDeviceButton(device, scan.table.DiskInterfaceData[0], scan.table.DiskInterfaceSet[0]), c.pressed);
    }
}

TEST_F(DriveScan, AnUnpluggedDiskIsNoLongerListed)
{
    StartDevices("E", UsbDisk('E', "chip = register\n"));
    ASSERT_EQ(platform::RequestSafeRemoval(u'E'), 0u);
    Scan scan;
    scan.Run();
    EXPECT_EQ(scan.external.Count, 0);
    EXPECT_EQ(Roots(scan.other), std::vector<std::u16string>{u"C:\\"});
}

TEST(Timestamp, FormatsTheRunFolderName)
{
    EXPECT_EQ(FormatTimestampName(SYSTEMTIME{2024, 3, 2, 5, 7, 8, 9, 0}), u"20240305_070809");
    EXPECT_EQ(FormatTimestampName(SYSTEMTIME{999, 12, 0, 31, 23, 59, 10, 0}), u"9991231_235910");
}

}  // namespace
