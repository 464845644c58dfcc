// Opening files on the real machine: the desktop's handler (xdg-open) is asked, and its failures
// come back as the shell's error codes. A stand-in handler on PATH records what it was given.

#include "machine_fixture.h"
#include "platform/shell.h"
#include "tests/support/file_tree.h"

#include <fstream>
#include <sys/stat.h>

namespace {

class RealShellOpen : public MachineFixture {
protected:
    void SetUp() override
    {
        MachineFixture::SetUp();
        testsupport::WriteText(folder_ + "/notes.txt", "notes");
    }

    // A handler that writes its arguments to "opened" and ends with the code in "code".
    void InstallHandler(int exitCode)
    {
        const std::string script = folder_ + "/bin/xdg-open";
        testsupport::WriteText(script, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + folder_ + "/opened\"\nexit " +
                                           std::to_string(exitCode) + "\n");
        chmod(script.c_str(), 0755);
    }

    std::string Opened() const
    {
        std::ifstream in(folder_ + "/opened");
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    static std::intptr_t Open(const char16_t* file)
    {
        return reinterpret_cast<std::intptr_t>(ShellExecuteW(nullptr, u"open", file, nullptr, nullptr, 5));
    }
};

TEST_F(RealShellOpen, TheDesktopHandlerOpensTheFileAndItsFailuresAreShellErrors)
{
    const ScopedEnv home("HOME", folder_.c_str());
    {
        std::string error;
        const ScopedEnv noProfile("HARBEX_MACHINE", nullptr);
        ASSERT_TRUE(platform::InitMachine(error)) << error;
    }
    const ScopedEnv path("PATH", (folder_ + "/bin").c_str());
    struct Case {
        int handlerExit;
        std::intptr_t result;
    } const cases[] = {{0, 33}, {2, SE_ERR_FNF}, {3, SE_ERR_NOASSOC}, {4, SE_ERR_NOASSOC}};
    for (const Case& c : cases) {
        InstallHandler(c.handlerExit);
        std::filesystem::remove(folder_ + "/opened");
        const std::intptr_t result = Open(u"C:\\notes.txt");
        EXPECT_EQ(result, c.result) << "handler exit " << c.handlerExit;
        EXPECT_EQ(Opened(), folder_ + "/notes.txt\n") << "handler exit " << c.handlerExit;
    }

    std::filesystem::remove(folder_ + "/bin/xdg-open");
    EXPECT_EQ(Open(u"C:\\notes.txt"), SE_ERR_NOASSOC) << "no handler on this desktop";
    EXPECT_EQ(Open(u"C:\\absent.txt"), SE_ERR_FNF);
}

}  // namespace
