#pragma once
// Device numbers, storage descriptors and disk interfaces of drives, all asked through the proxy
// driver. Numbers are -1 and device nodes 0 when there is none; blocks are empty when absent.

#include "platform/devices.h"

#include <string>
#include <vector>

using DeviceBlock = std::vector<BYTE>;

HANDLE OpenDriveLetter(char letter);
bool QueryDeviceNumber(HANDLE device, STORAGE_DEVICE_NUMBER* number);
LONG DiskNumberOfHandle(HANDLE device);
LONG CdromNumberOfHandle(HANDLE device);
LONG DiskNumberOfLetter(char letter);
LONG CdromNumberOfLetter(char letter);

DeviceBlock QueryStorageProperty(HANDLE device, DWORD propertyId, DWORD queryType);
DeviceBlock StorageDescriptorOfLetter(char letter);
// Texts are read within the descriptor's Size and the block, whichever is shorter.
std::string DescriptorVendorId(const DeviceBlock& descriptor);
std::string DescriptorProductId(const DeviceBlock& descriptor);
DWORD DescriptorBusType(const DeviceBlock& descriptor);

DeviceBlock InterfaceDetail(HDEVINFO set, SP_DEVICE_INTERFACE_DATA* data);
// The detail's DevicePath without its "\\?\" prefix.
std::string DetailPathWithoutPrefix(const DeviceBlock& detail);
HANDLE OpenInterface(HDEVINFO set, SP_DEVICE_INTERFACE_DATA* data);

DEVINST DiskNodeOfNumber(LONG number);
DEVINST CdromNodeOfNumber(LONG number);

// On success the caller owns *set; on failure no set is left open and *set is null.
bool FindDiskInterfaceOfLetter(char letter, SP_DEVICE_INTERFACE_DATA& data, HDEVINFO& set);
HANDLE OpenKeptInterface(char letter, SP_DEVICE_INTERFACE_DATA& data, HDEVINFO set);
