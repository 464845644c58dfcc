#pragma once
// The application window's identity for other processes (class "TApplication" and the title):
// its registration, a watcher that wakes the loop when a request arrives, and the requests'
// effects (bring to front, close through the main form's close query).

#include <memory>
#include <string_view>

namespace ui::loop {

class WindowIdentity {
public:
    explicit WindowIdentity(std::string_view title);
    ~WindowIdentity();
    WindowIdentity(const WindowIdentity&) = delete;
    WindowIdentity& operator=(const WindowIdentity&) = delete;

    // Carries out the requests that arrived; the loop calls it every pass.
    void HandleRequests();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace ui::loop
