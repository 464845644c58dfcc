#include "backup/drive/Driveviewutil.h"

#include "backup/drive/BridgeChip.h"
#include "backup/drive/DiskDriver.h"
#include "backup/drive/StorageQuery.h"
#include "platform/files.h"

namespace {

std::u16string RootOf(char letter)
{
    return {static_cast<char16_t>(letter), u':', u'\\'};
}

// A full list takes no more roots, and a root is listed once.
void AppendRoot(RECORD_DEVICECODE& list, const std::u16string& root)
{
    if (list.Count < MaxDriveRoots && !DriveListContains(list, root)) {
        list.Roots[list.Count++] = root;
    }
}

void ClearList(RECORD_DEVICECODE& list)
{
    list.Count = 0;
    for (std::u16string& root : list.Roots) {
        root.clear();
    }
}

void AddExternalDisk(DEVICE_TABLE& table, const RECORD_EXTDEVICE& device, char letter)
{
    const int index = FindDeviceByNode(table, device);
    if (index < 0) {
        if (table.Count < MaxExternalDevices) {
            RECORD_EXTDEVICE& entry = table.Devices[table.Count++];
            entry = device;
            entry.LetterCount = 1;
            entry.Letters[0] = letter;
        }
        return;
    }
    RECORD_EXTDEVICE& entry = table.Devices[index];
    if (entry.LetterCount < MaxLettersPerDevice) {
        entry.Letters[entry.LetterCount++] = letter;
    }
}

bool IsFloppyRoot(std::u16string_view root)
{
    return root == u"A:\\" || root == u"B:\\";
}

char LetterOfRoot(std::u16string_view root)
{
    return root.empty() ? '\0' : static_cast<char>(root[0]);
}

}  // namespace

void ScanDrives(RECORD_DEVICECODE& otherDrives, RECORD_DEVICECODE& externalDrives, DEVICE_TABLE& deviceTable)
{
    deviceTable.Clear();
    ClearList(otherDrives);
    ClearList(externalDrives);
    SetErrorMode(SEM_FAILCRITICALERRORS);
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        const std::u16string root = RootOf(letter);
        if (DiskNumberOfDriveLetter(letter) != -1) {
            AppendRoot(externalDrives, root);
        }
        switch (GetDriveTypeW(root.c_str())) {
        case DRIVE_REMOVABLE:
        case DRIVE_CDROM:
        case DRIVE_RAMDISK:
            AppendRoot(otherDrives, root);
            break;
        case DRIVE_FIXED: {
            RECORD_EXTDEVICE device;
            if (IsSupportedUsbDisk(device, letter)) {
                AddExternalDisk(deviceTable, device, letter);
                AppendRoot(externalDrives, root);
            } else {
                AppendRoot(otherDrives, root);
            }
            break;
        }
        default:
            break;
        }
    }
}

void PrepareScannedDevices(DEVICE_TABLE& deviceTable)
{
    for (int i = 0; i < deviceTable.Count; ++i) {
        RECORD_EXTDEVICE& device = deviceTable.Devices[i];
        ButtonMaskForChip(device);
        FindDiskInterfaceOfLetter(device.Letters[0], deviceTable.DiskInterfaceData[i], deviceTable.DiskInterfaceSet[i]);
        ResetDeviceButton(device);
    }
}

void ListLocalFixedDisks(RECORD_DEVICECODE& localFixedDisks)
{
    ClearList(localFixedDisks);
    SetErrorMode(SEM_FAILCRITICALERRORS);
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        const std::u16string root = RootOf(letter);
        RECORD_EXTDEVICE device;
        if (GetDriveTypeW(root.c_str()) == DRIVE_FIXED && !IsUsbStorage(UsbStorageDisk, device, letter)) {
            AppendRoot(localFixedDisks, root);
        }
    }
}

bool IsSupportedUsbDisk(RECORD_EXTDEVICE& device, char letter)
{
    ClearExtDeviceRecord(device);
    device.Letters[0] = letter;
    const DeviceBlock descriptor = StorageDescriptorOfLetter(letter);
    if (descriptor.empty()) {
        return false;
    }
    const DWORD busType = DescriptorBusType(descriptor);
    const LONG number = DiskNumberOfLetter(letter);
    if (number == -1) {
        return false;
    }
    device.DiskNode = DiskNodeOfNumber(number);
    return device.DiskNode != 0 && busType == BusTypeUsb && DetectBridgeChip(device);
}

bool IsUsbStorage(int kind, RECORD_EXTDEVICE& device, char letter)
{
    ClearExtDeviceRecord(device);
    device.Letters[0] = letter;
    const DeviceBlock descriptor = StorageDescriptorOfLetter(letter);
    if (descriptor.empty() || DescriptorBusType(descriptor) != BusTypeUsb) {
        return false;
    }
    const bool disk = kind == UsbStorageDisk;
    const LONG number = disk ? DiskNumberOfLetter(letter) : CdromNumberOfLetter(letter);
    if (number == -1) {
        return false;
    }
    device.DiskNode = disk ? DiskNodeOfNumber(number) : CdromNodeOfNumber(number);
    return device.DiskNode != 0;
}

int FindDeviceByNode(const DEVICE_TABLE& deviceTable, const RECORD_EXTDEVICE& device)
{
    for (int i = 0; i < deviceTable.Count; ++i) {
        if (deviceTable.Devices[i].DiskNode == device.DiskNode) {
            return i;
        }
    }
    return -1;
}

bool DriveListContains(const RECORD_DEVICECODE& list, std::u16string_view root)
{
    for (int i = 0; i < list.Count && i < MaxDriveRoots; ++i) {
        if (list.Roots[i] == root) {
            return true;
        }
    }
    return false;
}

bool IsInternalFixedDrive(std::u16string_view root)
{
    if (IsFloppyRoot(root) || GetDriveTypeW(std::u16string(root).c_str()) != DRIVE_FIXED) {
        return false;
    }
    RECORD_EXTDEVICE device;
    return !IsUsbStorage(UsbStorageDisk, device, LetterOfRoot(root));
}

bool IsExternalUsbDrive(std::u16string_view root)
{
    if (IsFloppyRoot(root)) {
        return false;
    }
    RECORD_EXTDEVICE device;
    switch (GetDriveTypeW(std::u16string(root).c_str())) {
    case DRIVE_FIXED:
        return IsUsbStorage(UsbStorageDisk, device, LetterOfRoot(root));
    case DRIVE_CDROM:
        return IsUsbStorage(UsbStorageCdrom, device, LetterOfRoot(root));
    default:
        return false;
    }
}
