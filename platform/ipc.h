#pragma once
// Window identity across processes. A process registers each top-level window (class, title) in
// the runtime folder of its session ($XDG_RUNTIME_DIR/harbex, else /tmp/harbex-<uid>, then one
// folder per machine profile and display): one Unix datagram
// socket per window beside a small file naming the class and title. Another process finds the
// window with FindWindowA and posts "bring to front" or "close" to it; nothing waits for the owner.

#include "platform/unique_fd.h"
#include "platform/win_types.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class WindowRequest { BringToFront, Close };

// The registration of one window of this process, undone by the destructor. The owner polls fd()
// for input (the message loop does) and then takes the requests with ReadRequests.
class WindowRegistration {
public:
    WindowRegistration(std::string_view className, std::string_view title);
    ~WindowRegistration();
    WindowRegistration(const WindowRegistration&) = delete;
    WindowRegistration& operator=(const WindowRegistration&) = delete;

    // 0 when the window is registered, else a Windows error number.
    DWORD error() const { return error_; }
    int fd() const { return socket_.get(); }
    // The requests that have arrived, oldest first; never blocks.
    std::vector<WindowRequest> ReadRequests();

private:
    UniqueFd socket_;
    std::string socketPath_, identityPath_;
    DWORD error_ = 0;
    bool bound_ = false;
};

// True for a window that FindWindowA found in another process (or in a registration of this one).
bool IsRegisteredWindow(HWND window);

// Posts a request to a window that FindWindowA found. FALSE with ERROR_INVALID_WINDOW_HANDLE when
// the window is gone or the handle is not such a window.
BOOL PostWindowRequest(HWND window, WindowRequest request);

// The runtime folder of this user, machine profile ($HARBEX_MACHINE) and display ($DISPLAY),
// created (private to the user) when missing; empty when it cannot be used.
std::string RuntimeFolder();

}  // namespace platform

inline constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;

// Finds a live registered window; null class or title matches any. Both compare without case.
// Registrations whose process has ended are removed on the way. nullptr when none is found.
HWND FindWindowA(LPCSTR className, LPCSTR title);
