#include "machine_fixture.h"
#include "platform/services.h"
#include "tests/support/file_tree.h"

using namespace platform;

using Services = MachineFixture;

namespace {

const char16_t* const driverPath = u"C:\\Windows\\SysWOW64\\drivers\\VEMOURPX.SYS";

SC_HANDLE CreateDriver(SC_HANDLE manager)
{
    return CreateServiceW(manager, u"VEMOURPX", u"VEMOURPX", SERVICE_ALL_ACCESS, SERVICE_KERNEL_DRIVER,
                          SERVICE_SYSTEM_START, SERVICE_ERROR_NORMAL, driverPath, u"Base", nullptr, nullptr, nullptr,
                          nullptr);
}

}  // namespace

TEST_F(Services, DriverServiceLifeCycle)
{
    StartMachine();
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(OpenServiceA(manager, "VEMOURPX", SERVICE_ALL_ACCESS), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_SERVICE_DOES_NOT_EXIST);

    SC_HANDLE service = CreateDriver(manager);
    ASSERT_NE(service, nullptr);
    EXPECT_EQ(CreateDriver(manager), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_SERVICE_EXISTS);

    // The driver file is missing until the setup writes it.
    EXPECT_FALSE(StartServiceW(service, 0, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    testsupport::WriteText(folder_ + "/c/Windows/SysWOW64/drivers/VEMOURPX.SYS", "driver");
    ASSERT_TRUE(StartServiceW(service, 0, nullptr));
    EXPECT_FALSE(StartServiceW(service, 0, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_SERVICE_ALREADY_RUNNING);
    ASSERT_TRUE(FindService(u"vemourpx").has_value());
    EXPECT_EQ(FindService(u"vemourpx")->state, SERVICE_RUNNING);

    // Deleted while running: marked, and gone once stopped.
    ASSERT_TRUE(DeleteService(service));
    EXPECT_EQ(CreateDriver(manager), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_SERVICE_MARKED_FOR_DELETE);
    SERVICE_STATUS status;
    ASSERT_TRUE(ControlService(service, SERVICE_CONTROL_STOP, &status));
    EXPECT_EQ(status.dwCurrentState, SERVICE_STOPPED);
    EXPECT_FALSE(FindService(u"VEMOURPX").has_value());
    EXPECT_FALSE(QueryServiceStatus(service, &status));
    EXPECT_EQ(GetLastError(), ERROR_SERVICE_DOES_NOT_EXIST);
    CloseServiceHandle(service);

    service = CreateDriver(manager);
    ASSERT_NE(service, nullptr);
    ASSERT_TRUE(QueryServiceStatus(service, &status));
    EXPECT_EQ(status.dwCurrentState, SERVICE_STOPPED);
    EXPECT_FALSE(ControlService(service, SERVICE_CONTROL_STOP, &status));
    EXPECT_EQ(GetLastError(), ERROR_SERVICE_NOT_ACTIVE);
    ASSERT_TRUE(DeleteService(service));  // stopped: gone at once
    EXPECT_FALSE(FindService(u"VEMOURPX").has_value());
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
}

TEST_F(Services, ChangesNeedAnAdministrator)
{
    StartMachine("admin = yes\n");
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    ASSERT_NE(manager, nullptr);
    CloseServiceHandle(CreateDriver(manager));
    CloseServiceHandle(manager);

    StartMachine("admin = no\n");
    EXPECT_EQ(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(OpenServiceW(manager, u"VEMOURPX", SERVICE_ALL_ACCESS), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    SC_HANDLE service = OpenServiceW(manager, u"VEMOURPX", SERVICE_QUERY_STATUS);
    ASSERT_NE(service, nullptr);
    EXPECT_FALSE(StartServiceW(service, 0, nullptr));  // the handle lacks the right
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
}
