#include "backup/engine/ListFiles.h"

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/DrivePathCheck.h"
#include "backup/base/PathUtil.h"
#include "backup/base/SettingsPaths.h"
#include "backup/base/TextFormat.h"
#include "backup/engine/Categories.h"
#include "backup/engine/DateTimeNumber.h"
#include "backup/engine/ScopedFile.h"
#include "platform/clock.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

namespace {

constexpr std::u16string_view kSizeSeparator = u"   ";

std::u16string OriSizeLine(const std::u16string& destination, LONGLONG size)
{
    return destination + std::u16string(kSizeSeparator) + DecimalText(size);
}

DWORD SaveResult(bool saved)
{
    if (saved) {
        return ERROR_SUCCESS;
    }
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : ERROR_WRITE_FAULT;
}

// True when the file holds exactly these bytes at that offset.
bool ReadsAs(HANDLE file, LONGLONG at, std::span<const unsigned char> expected)
{
    std::array<unsigned char, 4> bytes{};
    LARGE_INTEGER position{};
    position.QuadPart = at;
    DWORD read = 0;
    return expected.size() <= bytes.size() && SetFilePointerEx(file, position, nullptr, FILE_BEGIN) &&
           ReadFile(file, bytes.data(), static_cast<DWORD>(expected.size()), &read, nullptr) &&
           read == expected.size() && std::equal(expected.begin(), expected.end(), bytes.begin());
}

}  // namespace

void AddOriSizeLine(lists::TStringList& list, const std::u16string& destination, LONGLONG size)
{
    list.Add(OriSizeLine(destination, size));
}

void AddOriSizeLine(PackedLines& list, const std::u16string& destination, LONGLONG size)
{
    list.Add(OriSizeLine(destination, size));
}

bool FindOriSize(const lists::TStringList& list, std::u16string_view copyPath, LONGLONG* size)
{
    for (const std::u16string& line : list.Lines()) {
        if (line.size() > copyPath.size() + kSizeSeparator.size() && line.starts_with(copyPath) &&
            std::u16string_view(line).substr(copyPath.size(), kSizeSeparator.size()) == kSizeSeparator) {
            const auto parsed = ParseDecimal(std::u16string_view(line).substr(copyPath.size() + kSizeSeparator.size()));
            if (parsed) {
                *size = *parsed;
            }
            return parsed.has_value();
        }
    }
    return false;
}

bool SplitOriSizeLine(std::u16string_view line, std::u16string_view* path, LONGLONG* size)
{
    const std::size_t at = line.rfind(kSizeSeparator);
    if (at == std::u16string_view::npos) {
        return false;
    }
    const auto parsed = ParseDecimal(line.substr(at + kSizeSeparator.size()));
    if (!parsed) {
        return false;
    }
    *path = line.substr(0, at);
    *size = *parsed;
    return true;
}

std::u16string RepeatEntryPath(std::u16string_view driveRoot, std::u16string_view line)
{
    const auto checked = CheckedDrivePath(line);
    if (!checked) {
        return {};
    }
    std::u16string path(driveRoot);
    if (path.empty() || path.back() != u'\\') {
        path.push_back(u'\\');
    }
    return path + *checked;
}

DWORD SaveListFile(const lists::TStringList& list, const std::u16string& path)
{
    return SaveResult(list.SaveToFile(path));
}

DWORD SaveListFile(const PackedLines& list, const std::u16string& path)
{
    return SaveResult(list.SaveToFile(path));
}

bool IsWholeListFile(const std::u16string& path)
{
    constexpr std::array<unsigned char, 2> kMark = {0xFF, 0xFE};
    constexpr std::array<unsigned char, 4> kLineEnd = {'\r', 0, '\n', 0};
    ScopedFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size{};
    if (!file.IsOpen() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart % 2 != 0 ||
        !ReadsAs(file.Get(), 0, kMark)) {
        return false;
    }
    const LONGLONG lineEndAt = size.QuadPart - static_cast<LONGLONG>(kLineEnd.size());
    return size.QuadPart == static_cast<LONGLONG>(kMark.size()) ||
           (lineEndAt >= static_cast<LONGLONG>(kMark.size()) && ReadsAs(file.Get(), lineEndAt, kLineEnd));
}

DWORD SaveSelectionRecord(const std::u16string& runFolder, const BACKUP_SELECTION& selection)
{
    lists::TStringList record;
    record.Add(DecimalText(selection.Count));
    for (const auto* column : {&selection.SourcePaths, &selection.ItemNames, &selection.RelativePaths}) {
        for (int i = 0; i < selection.Count && i < static_cast<int>(column->size()); ++i) {
            record.Add((*column)[static_cast<std::size_t>(i)]);
        }
    }
    return SaveListFile(record, RecordPath(runFolder));
}

bool LoadDateTimeLine(const std::u16string& path, int index, double* value)
{
    lists::TStringList list;
    if (!list.LoadFromFile(path) || index < 0 || index >= list.Count()) {
        return false;
    }
    return ParseDateTimeNumber(list.Strings(index), value);
}

bool LoadLastDateTimeLine(const std::u16string& path, double* value)
{
    lists::TStringList list;
    if (!list.LoadFromFile(path) || list.Count() == 0) {
        return false;
    }
    return ParseDateTimeNumber(list.Strings(list.Count() - 1), value);
}

bool SaveLastEasyBackup(const PerEasyCategory<BYTE>& flags)
{
    std::vector<std::u16string> lines;
    for (BYTE flag : flags) {
        lines.push_back(DecimalText(flag));
    }
    SaveLastBackupRecord(LastBackupPath(true), lines);
    return true;
}

bool LoadLastEasyBackupTime(double* value)
{
    const std::u16string path = LastBackupPath(false);
    return PathExists(path) && LoadDateTimeLine(path, 5, value);
}

bool SaveLastManualBackupTime()
{
    SaveLastBackupRecord(LastBackupTimePath(true), {});
    return true;
}

bool LoadLastManualBackupTime(double* value)
{
    const std::u16string path = LastBackupTimePath(false);
    return PathExists(path) && LoadDateTimeLine(path, 0, value);
}

bool SaveLastBackupRecord(const std::u16string& path, const std::vector<std::u16string>& leadingLines)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    lists::TStringList record;
    for (const std::u16string& line : leadingLines) {
        record.Add(line);
    }
    record.Add(FormatDateTimeNumber(SystemTimeToDateTime(now)));
    return SaveListFile(record, path) == ERROR_SUCCESS;
}
