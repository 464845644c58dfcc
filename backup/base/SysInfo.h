#pragma once
// What the program asks of the operating system: the processor architecture of the running
// Windows, its family, and the description of the Windows edition shown on the overview page.

#include "platform/win_types.h"

#include <string>

// The native processor architecture (0 x86, 6 IA64, 9 AMD64).
WORD NativeProcessorArchitecture();
bool Is64BitWindows();
// 0 x86 (and anything else), 1 AMD64, 2 IA64.
int ProcessorKind();
// The class of the version record: -1 unknown, 0 to 3 the older families, 4 to 10 the NT family
// by version and processor. Asked once per process.
int OsClass();
bool IsNtFamily();

// "Microsoft " + edition + " " + service pack + bitness + ", Build " + build number; empty when
// the version record cannot be had.
std::u16string DescribeOperatingSystem();
