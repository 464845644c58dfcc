#include "backup/base/CommandLine.h"
#include "backup/window/frame/Entry.h"
#include "platform/ipc.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs BringRunningInstanceForward in a second process; its exit code tells whether it found one.
bool FoundFromAnotherProcess(const std::u16string& title)
{
    const pid_t child = fork();
    if (child == 0) {
        _exit(BringRunningInstanceForward(title) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(FrameInstance, TitleCarriesTheStartDrive)
{
    EXPECT_EQ(WindowTitleFor(u""), u"Harbex Solo +");
    EXPECT_EQ(WindowTitleFor(u"E:\\"), u"Harbex Solo +_E");
    EXPECT_EQ(WindowTitleFor(u"backup"), u"Harbex Solo +_b");
}

TEST(FrameInstance, SecondStartForTheSameDriveBringsTheFirstForward)
{
    const std::u16string title = WindowTitleFor(u"E:\\Harbex") + u" test";
    platform::WindowRegistration running("TApplication", std::string(title.begin(), title.end()));
    ASSERT_EQ(running.error(), 0u);

    EXPECT_TRUE(FoundFromAnotherProcess(title));
    EXPECT_FALSE(FoundFromAnotherProcess(title + u"_F"));
    const auto requests = running.ReadRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0], platform::WindowRequest::BringToFront);
}

}  // namespace
