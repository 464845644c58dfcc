#pragma once
// Every HANDLE of this layer (open files, walks, devices, registry keys, device sets) points to a
// HandleObject; CloseHandle and the other close functions delete it.

#include "platform/win_types.h"

namespace platform {

class HandleObject {
public:
    virtual ~HandleObject() = default;
};

template <class T> T* HandleAs(HANDLE handle)
{
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    return dynamic_cast<T*>(static_cast<HandleObject*>(handle));
}

inline HANDLE ToHandle(HandleObject* object)
{
    return static_cast<HANDLE>(object);
}

}  // namespace platform
