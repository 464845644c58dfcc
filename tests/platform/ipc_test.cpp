#include "machine_fixture.h"
#include "platform/ipc.h"

#include <optional>

#include <poll.h>
#include <sys/wait.h>

using namespace platform;

using WindowIdentity = MachineFixture;

namespace {

// The child's exit code: 0 when it saw "bring to front" and then "close", else 1.
[[noreturn]] void RunWindowOwner(int readyPipe)
{
    WindowRegistration window("TApplication", "Harbex Solo +");
    const char ready = window.error() == 0 ? 'y' : 'n';
    (void)!write(readyPipe, &ready, 1);
    std::vector<WindowRequest> seen;
    while (seen.empty() || seen.back() != WindowRequest::Close) {
        pollfd wait{window.fd(), POLLIN, 0};
        if (poll(&wait, 1, -1) < 0) {
            _exit(1);
        }
        for (WindowRequest request : window.ReadRequests()) {
            seen.push_back(request);
        }
    }
    // Ends without unregistering, as a crashed process would.
    _exit(seen == std::vector<WindowRequest>{WindowRequest::BringToFront, WindowRequest::Close} ? 0 : 1);
}

}  // namespace

TEST_F(WindowIdentity, FindsAndAsksAWindowOfAnotherProcess)
{
    const ScopedEnv runtime("XDG_RUNTIME_DIR", folder_.c_str());
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        RunWindowOwner(ready[1]);
    }
    char answer = 0;
    ASSERT_EQ(read(ready[0], &answer, 1), 1);
    ASSERT_EQ(answer, 'y');

    EXPECT_EQ(FindWindowA("TApplication", "Install "), nullptr);
    const HWND window = FindWindowA("tapplication", "Harbex Solo +");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsRegisteredWindow(window));
    EXPECT_TRUE(PostWindowRequest(window, WindowRequest::BringToFront));
    EXPECT_TRUE(PostWindowRequest(window, WindowRequest::Close));

    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    // The owner is gone: its stale registration is not found and is cleaned away.
    EXPECT_EQ(FindWindowA("TApplication", "Harbex Solo +"), nullptr);
    EXPECT_TRUE(std::filesystem::is_empty(RuntimeFolder()));
    EXPECT_FALSE(PostWindowRequest(window, WindowRequest::Close));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    close(ready[0]);
    close(ready[1]);
}

TEST_F(WindowIdentity, ARegistrationEndsWithItsObject)
{
    const ScopedEnv runtime("XDG_RUNTIME_DIR", folder_.c_str());
    {
        WindowRegistration window("TApplication", "Install ");
        ASSERT_EQ(window.error(), 0u);
        EXPECT_NE(FindWindowA(nullptr, "install "), nullptr);
    }
    EXPECT_EQ(FindWindowA(nullptr, "Install "), nullptr);
    EXPECT_TRUE(std::filesystem::is_empty(RuntimeFolder()));
}

// One session is one machine profile on one display: a program of another demo machine or of
// another screen is never found, so the setup never closes it and a second start is not refused.
TEST_F(WindowIdentity, OnlyTheSameMachineProfileAndDisplayMeet)
{
    const ScopedEnv runtime("XDG_RUNTIME_DIR", folder_.c_str());
    const std::string machineA = folder_ + "/a.ini";
    const std::string machineB = folder_ + "/b.ini";
    struct Case {
        const char* profile;
        const char* display;
        bool found;
    };
    const Case cases[] = {{machineA.c_str(), ":5", true},
                          {machineB.c_str(), ":5", false},
                          {machineA.c_str(), ":6", false},
                          {nullptr, ":5", false},
                          {machineA.c_str(), nullptr, false}};
    std::optional<WindowRegistration> window;
    {
        const ScopedEnv profile("HARBEX_MACHINE", machineA.c_str());
        const ScopedEnv display("DISPLAY", ":5");
        window.emplace("TApplication", "Harbex Solo +");
        ASSERT_EQ(window->error(), 0u);
    }
    for (const Case& c : cases) {
        const ScopedEnv profile("HARBEX_MACHINE", c.profile);
        const ScopedEnv display("DISPLAY", c.display);
        EXPECT_EQ(FindWindowA("TApplication", "Harbex Solo +") != nullptr, c.found)
            << (c.profile ? c.profile : "no profile") << " on " << (c.display ? c.display : "no display");
    }
}
