#pragma once
// The drive scan: external drives, other drives, local fixed disks and one table entry per
// external disk; and the single-drive tests used when a volume arrives or leaves.

#include "backup/drive/DeviceRecords.h"

#include <string>
#include <string_view>

inline constexpr int UsbStorageDisk = 3;
inline constexpr int UsbStorageCdrom = 5;

void ScanDrives(RECORD_DEVICECODE& otherDrives, RECORD_DEVICECODE& externalDrives, DEVICE_TABLE& deviceTable);
// The steps that follow a scan, per entry: button mask, kept disk interface, primed button state.
void PrepareScannedDevices(DEVICE_TABLE& deviceTable);
void ListLocalFixedDisks(RECORD_DEVICECODE& localFixedDisks);

bool IsSupportedUsbDisk(RECORD_EXTDEVICE& device, char letter);
bool IsUsbStorage(int kind, RECORD_EXTDEVICE& device, char letter);
int FindDeviceByNode(const DEVICE_TABLE& deviceTable, const RECORD_EXTDEVICE& device);
bool DriveListContains(const RECORD_DEVICECODE& list, std::u16string_view root);
bool IsInternalFixedDrive(std::u16string_view root);
bool IsExternalUsbDrive(std::u16string_view root);
