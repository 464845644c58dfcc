#include "backup/drive/DeviceRecords.h"

void ClearExtDeviceRecord(RECORD_EXTDEVICE& record)
{
    record = RECORD_EXTDEVICE{};
}

void DEVICE_TABLE::ReleaseInterfaceSets()
{
    for (HDEVINFO& set : DiskInterfaceSet) {
        if (set != nullptr && set != INVALID_HANDLE_VALUE) {
            SetupDiDestroyDeviceInfoList(set);
        }
        set = nullptr;
    }
}

void DEVICE_TABLE::Clear()
{
    ReleaseInterfaceSets();
    Count = 0;
    for (int i = 0; i < MaxExternalDevices; ++i) {
        ClearExtDeviceRecord(Devices[i]);
        DiskInterfaceData[i] = SP_DEVICE_INTERFACE_DATA{};
    }
}
