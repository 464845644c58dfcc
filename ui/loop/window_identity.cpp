#include "ui/loop/window_identity.h"

#include "platform/ipc.h"
#include "ui/application.h"
#include "ui/backend.h"
#include "ui/windows.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <poll.h>
#include <unistd.h>

namespace ui::loop {

struct WindowIdentity::Impl {
    platform::WindowRegistration registration;
    int stopPipe[2] = {-1, -1};
    std::mutex mutex;
    std::condition_variable consumed;
    bool pending = false;
    bool stopping = false;
    std::thread watcher;

    explicit Impl(std::string_view title) : registration("TApplication", title) { }

    // Wakes the loop once per burst of requests and waits until the loop has read them, so that
    // an unread socket never spins this thread.
    void Watch()
    {
        pollfd fds[2] = {{registration.fd(), POLLIN, 0}, {stopPipe[0], POLLIN, 0}};
        for (;;) {
            if (poll(fds, 2, -1) < 0 || (fds[1].revents & POLLIN)) {
                return;
            }
            std::unique_lock lock(mutex);
            pending = true;
            CurrentBackend().Wake();
            consumed.wait(lock, [this] { return !pending || stopping; });
            if (stopping) {
                return;
            }
        }
    }
};

WindowIdentity::WindowIdentity(std::string_view title) : impl_(std::make_unique<Impl>(title))
{
    if (impl_->registration.error() == 0 && pipe(impl_->stopPipe) == 0) {
        impl_->watcher = std::thread([impl = impl_.get()] { impl->Watch(); });
    }
}

WindowIdentity::~WindowIdentity()
{
    if (impl_->watcher.joinable()) {
        {
            std::lock_guard lock(impl_->mutex);
            impl_->stopping = true;
        }
        impl_->consumed.notify_all();
        [[maybe_unused]] ssize_t n = write(impl_->stopPipe[1], "x", 1);
        impl_->watcher.join();
    }
    for (int fd : impl_->stopPipe) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

void WindowIdentity::HandleRequests()
{
    if (impl_->registration.error() != 0) {
        return;
    }
    for (platform::WindowRequest request : impl_->registration.ReadRequests()) {
        if (request == platform::WindowRequest::BringToFront) {
            ShowWindow(App().Handle(), SW_SHOWNORMAL);
            SetForegroundWindow(App().Handle());
        } else if (TForm* main = App().MainForm()) {
            PostMessageW(main->Handle(), WM_CLOSE, 0, 0);
        }
    }
    {
        std::lock_guard lock(impl_->mutex);
        impl_->pending = false;
    }
    impl_->consumed.notify_all();
}

}  // namespace ui::loop
