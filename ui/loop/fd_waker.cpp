#include "ui/loop/fd_waker.h"

#include "ui/backend.h"

#include <poll.h>
#include <unistd.h>

namespace ui::loop {

FdWaker::FdWaker(std::vector<int> fds) : fds_(std::move(fds))
{
    if (pipe(stopPipe_) == 0) {
        watcher_ = std::thread([this] { Watch(); });
    }
}

FdWaker::~FdWaker()
{
    if (watcher_.joinable()) {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        consumed_.notify_all();
        [[maybe_unused]] ssize_t n = write(stopPipe_[1], "x", 1);
        watcher_.join();
    }
    for (int fd : stopPipe_) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

void FdWaker::Consumed()
{
    {
        std::lock_guard lock(mutex_);
        pending_ = false;
    }
    consumed_.notify_all();
}

void FdWaker::Watch()
{
    std::vector<pollfd> polled;
    for (int fd : fds_) {
        polled.push_back({fd, POLLIN, 0});
    }
    polled.push_back({stopPipe_[0], POLLIN, 0});
    for (;;) {
        if (poll(polled.data(), polled.size(), -1) < 0 || (polled.back().revents & POLLIN) != 0) {
            return;
        }
        std::unique_lock lock(mutex_);
        pending_ = true;
        CurrentBackend().Wake();
        consumed_.wait(lock, [this] { return !pending_ || stopping_; });
        if (stopping_) {
            return;
        }
    }
}

}  // namespace ui::loop
