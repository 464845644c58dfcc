#pragma once
// A virtual X server for tests that open real windows, and real clicks into it.

#include <dlfcn.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace ui::testing {

// An Xvfb of our own, on the display number it picks itself (-displayfd), ended with the test.
// Servers started at the same moment may reach for the same number and one of them gives up
// ("server already running"); it is started again until it reports a display of its own.
class OwnXServer {
public:
    OwnXServer()
    {
        for (int attempt = 0; attempt < 20 && display_.empty(); ++attempt) {
            Start();
        }
    }
    ~OwnXServer() { Stop(); }
    OwnXServer(const OwnXServer&) = delete;
    OwnXServer& operator=(const OwnXServer&) = delete;

    const std::string& Display() const { return display_; }

    // Ends the server now, as when the X server is killed under the programs that use it.
    void Stop()
    {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

private:
    void Start()
    {
        int ready[2];
        if (pipe(ready) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            std::string fd = std::to_string(ready[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "800x600x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        // The number comes once the server listens; a server that gave up closes the pipe first.
        std::string number;
        char c = 0;
        while (pid_ > 0 && read(ready[0], &c, 1) == 1 && c != '\n') {
            number += c;
        }
        close(ready[0]);
        if (c == '\n' && !number.empty() && waitpid(pid_, nullptr, WNOHANG) == 0) {
            display_ = ":" + number;
            return;
        }
        Stop();
    }

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
