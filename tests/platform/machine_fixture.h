#pragma once
// A simulated machine in a temporary folder: drive C: at <folder>/c, a profile written from text.

#include "platform/machine.h"

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
    void SetUp() override
    {
        char pattern[] = "/tmp/harbex-machine-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        std::filesystem::create_directories(folder_ + "/c");
    }

    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

    // A machine with drive C: and the given [machine] lines.
    void StartMachine(const std::string& machineLines = "")
    {
        const std::string text = "[machine]\ncomputer = HOMEPC\nuser = Alice\n" + machineLines +
                                 "\n[drive C]\nhost = c\n\n[folders]\ndesktop = C:\\Users\\Alice\\Desktop\n"
                                 "windows = C:\\Windows\nsystem = C:\\Windows\\System32\n"
                                 "commonstartup = C:\\ProgramData\\Startup\n";
        std::string error;
        ASSERT_TRUE(platform::InitMachineFromText(folder_, text, error)) << error;
    }

    std::string folder_;
};
