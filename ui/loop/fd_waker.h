#pragma once
// Wakes the loop when one of some descriptors becomes readable. The loop reads them on its own
// thread and then calls Consumed(), so that a descriptor not yet read never spins the watcher.

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace ui::loop {

class FdWaker {
public:
    explicit FdWaker(std::vector<int> fds);
    ~FdWaker();
    FdWaker(const FdWaker&) = delete;
    FdWaker& operator=(const FdWaker&) = delete;

    void Consumed();

private:
    void Watch();

    std::vector<int> fds_;
    int stopPipe_[2] = {-1, -1};
    std::mutex mutex_;
    std::condition_variable consumed_;
    bool pending_ = false;
    bool stopping_ = false;
    std::thread watcher_;
};

}  // namespace ui::loop
