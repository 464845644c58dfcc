#pragma once
// A virtual X server for tests that open real windows, and real clicks into it.

#include <dlfcn.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace ui::testing {

// An Xvfb of our own, on the display number it picks itself (-displayfd), ended with the test.
class OwnXServer {
public:
    OwnXServer()
    {
        int ready[2];
        if (pipe(ready) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            std::string fd = std::to_string(ready[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "800x600x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        char buffer[16] = {};
        ssize_t n = pid_ > 0 ? read(ready[0], buffer, sizeof buffer - 1) : -1;
        close(ready[0]);
        if (n > 0)
            display_ = ":" + std::string(buffer, static_cast<std::size_t>(n - (buffer[n - 1] == '\n' ? 1 : 0)));
    }
    ~OwnXServer()
    {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& Display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

// A real X click through the XTest extension, loaded at run time; false when it is not there.
inline bool XTestClick(const std::string& display, int x, int y)
{
    void* x11 = dlopen("libX11.so.6", RTLD_NOW);
    void* xtst = dlopen("libXtst.so.6", RTLD_NOW);
    if (!x11 || !xtst)
        return false;
    using OpenDisplay = void* (*)(const char*);
    using CloseDisplay = int (*)(void*);
    using Flush = int (*)(void*);
    using FakeMotion = int (*)(void*, int, int, int, unsigned long);
    using FakeButton = int (*)(void*, unsigned, int, unsigned long);
    auto open = reinterpret_cast<OpenDisplay>(dlsym(x11, "XOpenDisplay"));
    auto closeDisplay = reinterpret_cast<CloseDisplay>(dlsym(x11, "XCloseDisplay"));
    auto flush = reinterpret_cast<Flush>(dlsym(x11, "XSync"));
    auto motion = reinterpret_cast<FakeMotion>(dlsym(xtst, "XTestFakeMotionEvent"));
    auto button = reinterpret_cast<FakeButton>(dlsym(xtst, "XTestFakeButtonEvent"));
    void* d = open ? open(display.c_str()) : nullptr;
    if (!d || !motion || !button || !flush || !closeDisplay)
        return false;
    motion(d, -1, x, y, 0);
    button(d, 1, 1, 0);
    button(d, 1, 0, 0);
    flush(d);
    closeDisplay(d);
    return true;
}


}  // namespace ui::testing
