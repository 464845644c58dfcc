#include "machine_fixture.h"
#include "platform/drive_notices.h"
#include "platform/sim/sim_state.h"
#include "tests/support/machine_profile.h"

namespace {

using DriveWatcher = MachineFixture;

TEST_F(DriveWatcher, ReportsTheLettersThatCameAndWentOnce)
{
    std::filesystem::create_directories(folder_ + "/e");
    ASSERT_TRUE(testsupport::StartMachine(
        folder_,
        testsupport::MachineProfile().Drive('E', "type = fixed\nbus = usb\n").Add("[usbdisk E]\nchip = register\n")));
    const std::string state = platform::sim::StateFolder(folder_);
    constexpr DWORD kE = 1u << 4;
    EXPECT_EQ(platform::DriveUnitMask(), (1u << 2) | kE);

    platform::DriveChangeWatcher watcher;
    const struct {
        const char* name;
        bool plugged;
        DWORD arrived, removed;
    } steps[] = {{"unplugged", false, 0, kE}, {"still unplugged", false, 0, 0}, {"plugged", true, kE, 0}};
    for (const auto& step : steps) {
        ASSERT_EQ(platform::sim::WriteDeviceState(state, u'E', {step.plugged, false}), 0u);
        const platform::DriveChange change = watcher.Poll();
        EXPECT_EQ(change.arrived, step.arrived) << step.name;
        EXPECT_EQ(change.removed, step.removed) << step.name;
    }
}

}  // namespace
