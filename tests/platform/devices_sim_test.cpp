#include "machine_fixture.h"
#include "platform/devices.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/sim/sim_profile.h"
#include "platform/sim/sim_state.h"

#include <cstring>
#include <vector>

using namespace platform;

namespace {

class SimDevices : public MachineFixture {
protected:
    bool Start(const std::string& lines, std::string& error)
    {
        std::filesystem::create_directories(folder_ + "/e");
        const std::string text = "[machine]\ncomputer = HOMEPC\n[drive C]\nhost = c\n"
                                 "[drive E]\nhost = e\ntype = fixed\nbus = usb\n" +
                                 lines + "[folders]\ndesktop = C:\\Users\\Alice\\Desktop\n";
        if (!InitMachineFromText(folder_, text, error)) {
            return false;
        }
        sim::SimMachineSpec machineDesc;
        return sim::ReadSimMachineSpec(*CurrentProfile(), machineDesc, error);
    }

    HANDLE Bind(std::u16string_view target)
    {
        HANDLE proxy =
            CreateFileA("\\\\.\\VEMOURPX", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        std::u16string name = u"\\DosDevices\\" + std::u16string(target);
        if (proxy != INVALID_HANDLE_VALUE &&
            !DeviceIoControl(proxy, 0x222040, name.data(), static_cast<DWORD>(2 * name.size() + 2), nullptr, 0, nullptr,
                             nullptr)) {
            CloseHandle(proxy);
            return INVALID_HANDLE_VALUE;
        }
        return proxy;
    }
};

TEST_F(SimDevices, ReportsBrokenDeviceSectionsWithTheirLine)
{
    struct Case {
        std::string lines, message;
    };
    const Case cases[] = {
        {"[usbdisk E]\ncolour = red\n", ":10: unknown key \"colour\" in [usbdisk E]"},
        {"[usbdisk E]\nchip = table 2105\n", ":10: bad value \"table 2105\" for \"chip\""},
        {"[usbdisk F]\n", ":9: drive F is not declared"},
        {"[drivers]\nproxy = maybe\n", ":10: bad value \"maybe\" for \"proxy\""},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(Start(c.lines, error));
        EXPECT_NE(error.find("machine.ini" + c.message), std::string::npos) << error;
    }
}

TEST_F(SimDevices, ParsesChipFamiliesAndCodes)
{
    struct Case {
        const char* text;
        bool ok;
        WORD code;
    };
    const Case cases[] = {{"register", true, 0x2105},
                          {"Register chip", true, 0x2105},
                          {"table chips 0x2565", true, 0x2565},
                          {"D0 2771", true, 0x2771},
                          {"none", true, 0},
                          {"e0 2571", false, 0},
                          {"table 2565 x", false, 0},
                          {"flash", false, 0}};
    for (const Case& c : cases) {
        sim::ChipSpec chip;
        EXPECT_EQ(sim::ParseChip(c.text, chip), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(chip.code, c.code) << c.text;
        }
    }
}

TEST_F(SimDevices, PlugStateFromAnotherProcessMountsAndUnmountsTheDrive)
{
    std::string error;
    ASSERT_TRUE(Start("[usbdisk E]\nchip = register\n", error)) << error;
    RefreshDevices();
    ASSERT_TRUE(FindDrive(u'E').has_value());

    const std::string state = sim::StateFolder(folder_);
    ASSERT_EQ(sim::WriteDeviceState(state, u'E', {false, false}), 0u);
    HANDLE gone = Bind(u"E:");
    EXPECT_EQ(gone, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(FindDrive(u'E').has_value());

    ASSERT_EQ(sim::WriteDeviceState(state, u'E', {true, false}), 0u);
    RefreshDevices();
    EXPECT_TRUE(FindDrive(u'E').has_value());

    EXPECT_EQ(RequestSafeRemoval(u'E'), 0u);
    EXPECT_FALSE(FindDrive(u'E').has_value());
    sim::DeviceState read;
    ASSERT_TRUE(sim::ReadDeviceState(state, u'E', read));
    EXPECT_FALSE(read.plugged);
    EXPECT_EQ(RequestSafeRemoval(u'C'), static_cast<DWORD>(ERROR_INVALID_DRIVE));
}

TEST_F(SimDevices, ShortDescriptorBufferGetsTheHeadAndTheWholeSize)
{
    std::string error;
    ASSERT_TRUE(Start("[usbdisk E]\nvendor = VEMO\nproduct = Disk\n", error)) << error;
    HANDLE disk = Bind(u"e:");
    ASSERT_NE(disk, INVALID_HANDLE_VALUE);
    STORAGE_PROPERTY_QUERY query;
    std::vector<BYTE> out(40, 0);
    DWORD returned = 0;
    ASSERT_TRUE(
        DeviceIoControl(disk, IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof query, out.data(), 40, &returned, nullptr));
    DWORD size = 0;
    std::memcpy(&size, out.data() + 4, 4);
    EXPECT_EQ(returned, 40u);
    EXPECT_EQ(size, 40u + 5 + 5 + 5);  // "VEMO", "Disk", "1.00" with their zeros
    CloseHandle(disk);

    ASSERT_TRUE(Start("[drivers]\nproxy = no\n", error)) << error;
    EXPECT_EQ(Bind(u"E:"), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
