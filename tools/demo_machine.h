#pragma once
// The demo machine: a Windows 7 SP1 x64 home PC "HOMEPC" of the user Alice, with a C: drive full of
// small sample files of every category and a USB disk E: with a push button.

#include <string>

namespace demo {

// Makes the machine in folder (created; it must not hold anything yet) and leaves the profile as
// folder/machine.ini. False with a message on failure.
bool MakeDemoMachine(const std::string& folder, std::string& error);

}  // namespace demo
