#include "machine_fixture.h"
#include "platform/registry.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

const char16_t* const uninstallKey = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Harbex Solo+";

LONG SetText(HKEY key, const char16_t* name, const std::u16string& text)
{
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(char16_t)));
}

}  // namespace

using Registry = MachineFixture;

TEST_F(Registry, TextKeepsItsZeroAndSurvivesTheFile)
{
    StartMachine();
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, uninstallKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, &disposition),
        ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    ASSERT_EQ(SetText(key, u"LangVer", u"2052"), ERROR_SUCCESS);
    const DWORD version = 103;
    ASSERT_EQ(RegSetValueExW(key, u"Version", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&version), 4), ERROR_SUCCESS);
    RegCloseKey(key);

    // A fresh handle reads what the file holds, with other upper and lower case.
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE,
                            u"software\\MICROSOFT\\windows\\CurrentVersion\\Uninstall\\harbex solo+", 0, KEY_READ,
                            &key),
              ERROR_SUCCESS);
    DWORD type = 0;
    DWORD size = 0;
    ASSERT_EQ(RegQueryValueExW(key, u"langver", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 10u);  // four characters and the zero
    char16_t small[2] = {};
    DWORD smallSize = sizeof small;
    EXPECT_EQ(RegQueryValueExW(key, u"LangVer", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &smallSize),
              ERROR_MORE_DATA);
    EXPECT_EQ(smallSize, 10u);
    char16_t text[256] = {};
    DWORD textSize = sizeof text;
    ASSERT_EQ(RegQueryValueExW(key, u"LangVer", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &textSize),
              ERROR_SUCCESS);
    EXPECT_EQ(std::u16string(text), u"2052");
    DWORD number = 0;
    DWORD numberSize = sizeof number;
    ASSERT_EQ(RegQueryValueExW(key, u"Version", nullptr, &type, reinterpret_cast<BYTE*>(&number), &numberSize),
              ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(number, 103u);
    EXPECT_EQ(RegQueryValueExW(key, u"Missing", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, uninstallKey, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
}

TEST_F(Registry, AccessRightsOfUsersAndHandles)
{
    StartMachine("admin = no\n");
    HKEY key = nullptr;
    struct Case {
        const char* name;
        HKEY root;
        REGSAM access;
        LONG expected;
    };
    const Case creates[] = {
        {"HKLM for writing", HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS, ERROR_ACCESS_DENIED},
        {"HKLM 64-bit view for writing", HKEY_LOCAL_MACHINE, KEY_WRITE | KEY_WOW64_64KEY, ERROR_ACCESS_DENIED},
        {"HKLM new key for reading", HKEY_LOCAL_MACHINE, KEY_READ, ERROR_ACCESS_DENIED},
        {"HKCU for writing", HKEY_CURRENT_USER, KEY_ALL_ACCESS, ERROR_SUCCESS},
    };
    for (const Case& c : creates) {
        EXPECT_EQ(RegCreateKeyExW(c.root, u"SOFTWARE\\VEMO", 0, nullptr, 0, c.access, nullptr, &key, nullptr),
                  c.expected)
            << c.name;
        if (key != nullptr) {
            RegCloseKey(key);
        }
    }
    EXPECT_EQ(SetText(HKEY_LOCAL_MACHINE, u"Direct", u"x"), ERROR_ACCESS_DENIED);

    // A read-only handle refuses writes even where the user may write.
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"SOFTWARE\\VEMO", 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(SetText(key, u"Name", u"x"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValueW(key, u"Name"), ERROR_ACCESS_DENIED);
    RegCloseKey(key);

    // An administrator writes HKLM; the non-administrator still reads it.
    StartMachine("admin = yes\n");
    ASSERT_EQ(RegCreateKeyW(HKEY_LOCAL_MACHINE, uninstallKey, &key), ERROR_SUCCESS);
    ASSERT_EQ(SetText(key, u"LangVer", u"1041"), ERROR_SUCCESS);
    RegCloseKey(key);
    StartMachine("admin = no\n");
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, uninstallKey, 0, KEY_ALL_ACCESS, &key), ERROR_ACCESS_DENIED);
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, uninstallKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    char16_t text[16] = {};
    DWORD size = sizeof text;
    EXPECT_EQ(RegQueryValueExW(key, u"LangVer", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
    EXPECT_EQ(std::u16string(text), u"1041");
    RegCloseKey(key);
}

TEST_F(Registry, DeletesValuesAndLeafKeys)
{
    StartMachine();
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\VEMO\\VEMOURPX\\Used", &key), ERROR_SUCCESS);
    ASSERT_EQ(SetText(key, u"Harbex Solo +", u"2026/12/10 10:00:00"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueW(key, u"harbex solo +"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueW(key, u"Harbex Solo +"), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
    EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\VEMO\\VEMOURPX"), ERROR_ACCESS_DENIED);  // has a subkey
    EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\VEMO\\VEMOURPX\\Used"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\VEMO\\VEMOURPX"), ERROR_SUCCESS);
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\VEMO\\VEMOURPX", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\VEMO", 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
}
