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

// A user at the test's X server: real pointer and key input through the XTest extension, and the
// windows where the server has them. The X libraries are loaded at run time; Ok() is false
// without them.
class XUser {
public:
    struct Box {
        int x = -1;
        int y = -1;
        int width = 0;
        int height = 0;
        bool operator==(const Box&) const = default;
    };

    explicit XUser(const std::string& display)
    {
        x11_ = dlopen("libX11.so.6", RTLD_NOW);
        xtst_ = dlopen("libXtst.so.6", RTLD_NOW);
        if (!x11_ || !xtst_)
            return;
        Load(x11_, "XOpenDisplay", open_);
        Load(x11_, "XCloseDisplay", close_);
        Load(x11_, "XSync", sync_);
        Load(x11_, "XDefaultRootWindow", root_);
        Load(x11_, "XTranslateCoordinates", translate_);
        Load(x11_, "XGetGeometry", geometry_);
        Load(x11_, "XStringToKeysym", keysym_);
        Load(x11_, "XKeysymToKeycode", keycode_);
        Load(xtst_, "XTestFakeMotionEvent", motion_);
        Load(xtst_, "XTestFakeButtonEvent", button_);
        Load(xtst_, "XTestFakeKeyEvent", key_);
        if (open_ && close_ && sync_ && root_ && translate_ && geometry_ && keysym_ && keycode_ && motion_ && button_ &&
            key_)
            d_ = open_(display.c_str());
    }
    ~XUser()
    {
        if (d_)
            close_(d_);
    }
    XUser(const XUser&) = delete;
    XUser& operator=(const XUser&) = delete;

    bool Ok() const { return d_ != nullptr; }

    void MoveTo(int x, int y)
    {
        Send([&] { motion_(d_, -1, x, y, 0); });
    }
    void Press()
    {
        Send([&] { button_(d_, 1, 1, 0); });
    }
    void Release()
    {
        Send([&] { button_(d_, 1, 0, 0); });
    }
    void Click(int x, int y)
    {
        MoveTo(x, y);
        Press();
        Release();
    }
    // One key by its X name ("Return", "Escape", "a"), pressed and released.
    void Key(const char* name)
    {
        const unsigned char code = keycode_(d_, keysym_(name));
        Send([&] {
            key_(d_, code, 1, 0);
            key_(d_, code, 0, 0);
        });
    }

    // The top-level window under the screen point, as the server places it; x -1 when none.
    Box WindowAt(int x, int y)
    {
        Box box;
        if (!d_)
            return box;
        const unsigned long root = root_(d_);
        int inX = 0;
        int inY = 0;
        unsigned long child = 0;
        if (!translate_(d_, root, root, x, y, &inX, &inY, &child) || child == 0)
            return box;
        unsigned long rootOfChild = 0;
        unsigned width = 0;
        unsigned height = 0;
        unsigned border = 0;
        unsigned depth = 0;
        if (geometry_(d_, child, &rootOfChild, &box.x, &box.y, &width, &height, &border, &depth)) {
            box.width = static_cast<int>(width);
            box.height = static_cast<int>(height);
        }
        return box;
    }

private:
    template <class F> static void Load(void* library, const char* name, F& to)
    {
        to = reinterpret_cast<F>(dlsym(library, name));
    }
    template <class F> void Send(F&& request)
    {
        if (!d_)
            return;
        request();
        sync_(d_, 0);
    }

    void* x11_ = nullptr;
    void* xtst_ = nullptr;
    void* d_ = nullptr;
    void* (*open_)(const char*) = nullptr;
    int (*close_)(void*) = nullptr;
    int (*sync_)(void*, int) = nullptr;
    unsigned long (*root_)(void*) = nullptr;
    int (*translate_)(void*, unsigned long, unsigned long, int, int, int*, int*, unsigned long*) = nullptr;
    int (*geometry_)(void*, unsigned long, unsigned long*, int*, int*, unsigned*, unsigned*, unsigned*,
                     unsigned*) = nullptr;
    unsigned long (*keysym_)(const char*) = nullptr;
    unsigned char (*keycode_)(void*, unsigned long) = nullptr;
    int (*motion_)(void*, int, int, int, unsigned long) = nullptr;
    int (*button_)(void*, unsigned, int, unsigned long) = nullptr;
    int (*key_)(void*, unsigned, int, unsigned long) = nullptr;
};

// A real X click through the XTest extension; false when it is not there.
inline bool XTestClick(const std::string& display, int x, int y)
{
    XUser user(display);
    if (!user.Ok())
        return false;
    user.Click(x, y);
    return true;
}

}  // namespace ui::testing
