#pragma once
// A simulated machine in a temporary folder: drive C: at <folder>/c, a profile written from text.

#include "platform/machine.h"
#include "tests/support/machine_profile.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

// Sets (or, with nullptr, removes) an environment variable for the object's life.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        const char* old = std::getenv(name);
        had_ = old != nullptr;
        old_ = had_ ? old : "";
        value != nullptr ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { had_ ? setenv(name_.c_str(), old_.c_str(), 1) : unsetenv(name_.c_str()); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_, old_;
    bool had_ = false;
};

class MachineFixture : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(folder_ + "/c"); }

    // A machine with drive C: and the given [machine] lines.
    void StartMachine(const std::string& machineLines = "")
    {
        ASSERT_TRUE(testsupport::StartMachine(folder_, testsupport::MachineProfile()
                                                           .Machine(machineLines)
                                                           .Folder("desktop", "C:\\Users\\Alice\\Desktop")
                                                           .Folder("windows", "C:\\Windows")
                                                           .Folder("system", "C:\\Windows\\System32")
                                                           .Folder("commonstartup", "C:\\ProgramData\\Startup")));
    }

    testsupport::TempFolder temp_{"harbex-machine"};
    std::string folder_ = temp_.Path();
};
