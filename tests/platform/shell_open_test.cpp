// Opening files on the real machine: the desktop's handler (xdg-open) is asked, and its failures
// come back as the shell's error codes. A stand-in handler on PATH records what it was given.

#include "machine_fixture.h"
#include "platform/shell.h"
#include "tests/support/file_tree.h"

#include <fstream>
#include <optional>
#include <sys/stat.h>

namespace {

class RealShellOpen : public MachineFixture {
protected:
    void SetUp() override
    {
        MachineFixture::SetUp();
        testsupport::WriteText(folder_ + "/notes.txt", "notes");
        home_.emplace("HOME", folder_.c_str());
        {
            std::string error;
            const ScopedEnv noProfile("HARBEX_MACHINE", nullptr);
            ASSERT_TRUE(platform::InitMachine(error)) << error;
        }
        path_.emplace("PATH", (folder_ + "/bin").c_str());
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

    // The real machine, its C: in the folder, with only the folder's "bin" on PATH.
    std::optional<ScopedEnv> home_, path_;
};

TEST_F(RealShellOpen, TheDesktopHandlerOpensTheFileAndItsFailuresAreShellErrors)
{
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

// A file with execute bits, such as a script restored from a backup drive, goes to the opener like
// any other; it is never run.
TEST_F(RealShellOpen, AnExecutableFileGoesToTheOpenerAndIsNeverRun)
{
    InstallHandler(0);
    const std::string marker = folder_ + "/ran";
    testsupport::WriteText(folder_ + "/Bank.url", "#!/bin/sh\ntouch '" + marker + "'\n");
    chmod((folder_ + "/Bank.url").c_str(), 0755);
    EXPECT_EQ(Open(u"C:\\Bank.url"), 33);
    EXPECT_EQ(Opened(), folder_ + "/Bank.url\n");
    EXPECT_FALSE(std::filesystem::exists(marker));
}

}  // namespace
