#pragma once
// The pages of the work area by the numbers CurrentPage and JobPage hold, in menu order.

enum class WorkPage : int {
    None = 0,
    ProductInfo = 1,
    DeviceInfo = 2,
    EasyBackup = 3,
    ManualBackup = 4,
    EasyRestore = 5,
    ManualRestore = 6,
    EasyDelete = 7,
    ManualDelete = 8,
    Favorites = 9,
    GeneralSettings = 10,
    BackupSettings = 11,
    Update = 12,
};

inline constexpr int kPageCount = static_cast<int>(WorkPage::Update);
// Summary, Backup, Restore, Delete, Favorites, Settings.
inline constexpr int kMenuGroupCount = 6;

// CurrentPage and JobPage stay numbers (the menu table and the page arithmetic use them); a number
// compares with a named page directly.
constexpr bool operator==(int number, WorkPage page)
{
    return number == static_cast<int>(page);
}
