#pragma once
// A folder bound onto another for the life of the object, as a disk mounted there (root only).

#include <sys/mount.h>

#include <string>

namespace testsupport {

class BindMount {
public:
    BindMount(const std::string& folder, const std::string& onto)
        : onto_(onto), mounted_(::mount(folder.c_str(), onto.c_str(), nullptr, MS_BIND, nullptr) == 0)
    {
    }
    ~BindMount()
    {
        if (mounted_) {
            ::umount2(onto_.c_str(), MNT_DETACH);
        }
    }
    BindMount(const BindMount&) = delete;
    BindMount& operator=(const BindMount&) = delete;
    bool Mounted() const { return mounted_; }

private:
    std::string onto_;
    bool mounted_;
};

}  // namespace testsupport
