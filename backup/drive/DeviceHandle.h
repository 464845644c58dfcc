#pragma once
// Owners of a device handle and of a device-information set: each closes what it holds.

#include "platform/devices.h"
#include "platform/files.h"

class ScopedDeviceHandle {
public:
    explicit ScopedDeviceHandle(HANDLE handle) : handle_(handle) { }
    ScopedDeviceHandle(const ScopedDeviceHandle&) = delete;
    ScopedDeviceHandle& operator=(const ScopedDeviceHandle&) = delete;
    ~ScopedDeviceHandle()
    {
        if (valid()) {
            CloseHandle(handle_);
        }
    }
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }

private:
    HANDLE handle_;
};

class ScopedDeviceSet {
public:
    explicit ScopedDeviceSet(HDEVINFO set) : set_(set) { }
    ScopedDeviceSet(const ScopedDeviceSet&) = delete;
    ScopedDeviceSet& operator=(const ScopedDeviceSet&) = delete;
    ~ScopedDeviceSet()
    {
        if (valid()) {
            SetupDiDestroyDeviceInfoList(set_);
        }
    }
    HDEVINFO get() const { return set_; }
    bool valid() const { return set_ != INVALID_HANDLE_VALUE && set_ != nullptr; }
    // Hands the set to a new owner.
    HDEVINFO release()
    {
        HDEVINFO set = set_;
        set_ = nullptr;
        return set;
    }

private:
    HDEVINFO set_;
};
