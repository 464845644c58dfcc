#pragma once
// The proxy driver VEMOURPX: its file in the drivers folder, its kernel service that starts with
// the system, and the bookkeeping keys that record its version and the product that uses it.

#include "platform/win_types.h"

#include <string>

namespace setup {

inline constexpr char kDriverServiceName[] = "VEMOURPX";

bool IsWow64();
// The drivers folder and driver file for a processor kind (0 x86, 1 x64); empty for kind 2.
std::u16string DriversFolder(int kind);
std::u16string DriverFilePath(int kind);

// Writes the payload of the processor kind to its driver file; false on Itanium (nothing written)
// or when the file cannot be written.
bool WriteDriverFile();

// Service operations: 0 or the Windows error number of the failing call.
DWORD CreateDriverService(const std::string& name, const std::string& path, const std::string& group, DWORD startType);
DWORD StartDriverService(const std::string& name);
// A missing service counts as stopped (state SERVICE_STOPPED).
DWORD StopDriverService(const std::string& name, DWORD& state);
DWORD DeleteDriverService(const std::string& name);

// Stops an earlier VEMOURPX service (at most 100 attempts, pumping between them) and deletes it.
DWORD RemoveDriverService();
// Creates the service for the driver file of this processor; the last error after the creation.
DWORD InstallDriverService();
DWORD StartProxyDriver();
// "Version" = 103 under SOFTWARE\VEMO\VEMOURPX and the installation time under its key "Used".
bool WriteDriverRegistry();

// The local date and time as the installation time text: "YYYY/MM/DD HH:MM:SS".
std::u16string DateTimeText(const SYSTEMTIME& time);

}  // namespace setup
