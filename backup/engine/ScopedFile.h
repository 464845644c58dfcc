#pragma once
// Owns one open file HANDLE and closes it when it goes out of scope.

#include "platform/files.h"

#include <utility>

class ScopedFile {
public:
    ScopedFile() = default;
    explicit ScopedFile(HANDLE handle) : handle_(handle) { }
    ~ScopedFile() { Close(); }
    ScopedFile(const ScopedFile&) = delete;
    ScopedFile& operator=(const ScopedFile&) = delete;
    ScopedFile(ScopedFile&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) { }
    ScopedFile& operator=(ScopedFile&& other) noexcept
    {
        if (this != &other) {
            Close();
            handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
        }
        return *this;
    }

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE Get() const { return handle_; }
    void Close()
    {
        if (IsOpen()) {
            CloseHandle(handle_);
        }
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};
