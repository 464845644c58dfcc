#include "machine_fixture.h"
#include "platform/files.h"
#include "platform/security.h"

#include <acl/libacl.h>
#include <grp.h>
#include <sys/acl.h>

namespace {

// The permissions of the ACL entries of a group ("rwx", "r--", ...), one per entry found.
std::vector<std::string> GroupEntries(const std::string& path, gid_t group)
{
    std::vector<std::string> found;
    acl_t acl = acl_get_file(path.c_str(), ACL_TYPE_ACCESS);
    acl_entry_t entry;
    for (int which = ACL_FIRST_ENTRY; acl != nullptr && acl_get_entry(acl, which, &entry) == 1;
         which = ACL_NEXT_ENTRY) {
        acl_tag_t tag;
        acl_get_tag_type(entry, &tag);
        auto* qualifier = tag == ACL_GROUP ? static_cast<gid_t*>(acl_get_qualifier(entry)) : nullptr;
        if (qualifier != nullptr && *qualifier == group) {
            acl_permset_t permissions;
            acl_get_permset(entry, &permissions);
            found.push_back(std::string(acl_get_perm(permissions, ACL_READ) ? "r" : "-") +
                            (acl_get_perm(permissions, ACL_WRITE) ? "w" : "-") +
                            (acl_get_perm(permissions, ACL_EXECUTE) ? "x" : "-"));
        }
        acl_free(qualifier);
    }
    acl_free(acl);
    return found;
}

}  // namespace

using AccessGrant = MachineFixture;

TEST_F(AccessGrant, UsersGetFullAccessOnceAndForAll)
{
    const group* users = getgrnam("users");
    if (users == nullptr) {
        GTEST_SKIP() << "this machine has no group \"users\"";
    }
    StartMachine();
    const std::string host = folder_ + "/c/Data";
    std::filesystem::create_directory(host);
    ASSERT_TRUE(GrantAccessToGroup(u"C:\\data", "users", GENERIC_ALL)) << GetLastError();
    ASSERT_TRUE(GrantAccessToGroup(u"C:\\Data", "users", GENERIC_ALL)) << GetLastError();
    EXPECT_EQ(GroupEntries(host, users->gr_gid), std::vector<std::string>{"rwx"});
    acl_t acl = acl_get_file(host.c_str(), ACL_TYPE_ACCESS);
    EXPECT_EQ(acl_equiv_mode(acl, nullptr), 1);  // the ACL now says more than the mode bits
    acl_free(acl);
}

TEST_F(AccessGrant, FailuresCarryTheWindowsError)
{
    StartMachine();
    struct Case {
        const char16_t* path;
        const char* account;
        DWORD error;
    };
    const Case cases[] = {
        {u"C:\\Missing", "users", ERROR_FILE_NOT_FOUND},
        {u"C:\\Missing\\Deeper", "users", ERROR_PATH_NOT_FOUND},
        {u"Q:\\Data", "users", ERROR_PATH_NOT_FOUND},
        {u"C:\\", "no-such-group-here", ERROR_NONE_MAPPED},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_FALSE(GrantAccessToGroup(c.path, c.account, GENERIC_ALL)) << c.account;
        EXPECT_EQ(GetLastError(), c.error) << c.account;
    }
}
