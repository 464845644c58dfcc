#pragma once
// The program's command line as the entry received it: one optional argument, a path on a drive.

#include <string>

void SetCommandLineArgument(std::u16string argument);
// Empty when the program was started without an argument.
const std::u16string& CommandLineArgument();
// "Harbex Solo +", plus "_" and the argument's first character when there is one.
std::u16string WindowTitleFor(const std::u16string& argument);
