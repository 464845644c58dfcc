#include "tests/support/machine_profile.h"

#include "platform/machine.h"

#include <cctype>

namespace testsupport {

MachineProfile& MachineProfile::Machine(const std::string& lines)
{
    machine_ += lines;
    return *this;
}

MachineProfile& MachineProfile::Drive(char letter, const std::string& lines)
{
    const auto upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    const auto lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    drives_ += std::string("[drive ") + upper + "]\nhost = " + lower + "\n" + lines;
    return *this;
}

MachineProfile& MachineProfile::Folder(const std::string& name, const std::string& windowsPath)
{
    folders_ += name + " = " + windowsPath + "\n";
    return *this;
}

MachineProfile& MachineProfile::Add(const std::string& sections)
{
    rest_ += sections;
    return *this;
}

std::string MachineProfile::Text() const
{
    return "[machine]\n" + machine_ + drives_ + (folders_.empty() ? "" : "[folders]\n" + folders_) + rest_;
}

::testing::AssertionResult StartMachine(const std::string& folder, const MachineProfile& profile)
{
    std::string error;
    if (!platform::InitMachineFromText(folder, profile.Text(), error)) {
        return ::testing::AssertionFailure() << error;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace testsupport
