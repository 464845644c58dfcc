#pragma once
// A message bus of the test's own (dbus-daemon), for programs and stand-ins that talk over it.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

// A dbus-daemon of our own, ended with the test.
class OwnSessionBus {
public:
    OwnSessionBus()
    {
        int ready[2];
        if (pipe(ready) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            const std::string fd = "--print-address=" + std::to_string(ready[1]);
            execlp("dbus-daemon", "dbus-daemon", "--session", "--nofork", "--nopidfile", fd.c_str(),
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        char buffer[512] = {};
        const ssize_t n = pid_ > 0 ? read(ready[0], buffer, sizeof buffer - 1) : -1;
        close(ready[0]);
        if (n > 0) {
            address_.assign(buffer, static_cast<std::size_t>(n));
            address_.erase(address_.find_last_not_of('\n') + 1);
        }
    }
    ~OwnSessionBus()
    {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& Address() const { return address_; }

private:
    pid_t pid_ = -1;
    std::string address_;
};
