#pragma once
// A backup drive X: with run folders written as the backup writes them (copies, OriSize.ini and
// FileList_Repeat.ini through the engine's list writers) and a PC drive D: to restore to.

#include "backup/base/BackupDriveLayout.h"
#include "backup/engine/ListFiles.h"
#include "lists/string_list.h"
#include "tests/core/engine_fixture.h"

#include <map>
#include <string>
#include <vector>

namespace enginetest {

inline std::vector<unsigned char> Text(const std::string& text)
{
    return std::vector<unsigned char>(text.begin(), text.end());
}

class RunDrive {
public:
    static constexpr const char16_t* kPcFolder = u"Harbex_Solo+\\PC1";
    static constexpr const char16_t* kManual = u"Harbex_Solo+\\PC1\\Manual";
    static constexpr const char16_t* kDocument = u"Harbex_Solo+\\PC1\\Easy\\Document";

    TempDrive backup{u'X'};
    TempDrive pc{u'D'};

    // "X:\" + kind folder + "\" + stamp.
    std::u16string Run(const std::u16string& kind, const std::u16string& stamp) const
    {
        return backup.Path(kind + u"\\" + stamp);
    }
    // A copy in the run at its relative path, with its OriSize line (the size of `original`, for a
    // container whose bytes differ from the file's).
    void AddCopy(const std::u16string& kind, const std::u16string& stamp, const std::u16string& relative,
                 const std::vector<unsigned char>& bytes, LONGLONG original = -1)
    {
        backup.Write(kind + u"\\" + stamp + u"\\" + relative, bytes);
        AddOriSizeLine(Lists(kind, stamp).ori, Run(kind, stamp) + u"\\" + relative,
                       original >= 0 ? original : static_cast<LONGLONG>(bytes.size()));
    }
    // The run names the copy of an earlier run instead of holding the file; as in a backup, the
    // file's folder exists in the run.
    void AddReference(const std::u16string& kind, const std::u16string& stamp, const std::u16string& relative,
                      const std::u16string& earlierStamp, LONGLONG size)
    {
        std::filesystem::create_directories(backup.Host(kind + u"\\" + stamp + u"\\" + relative).parent_path());
        Lists(kind, stamp).repeat.Add(kind + u"\\" + earlierStamp + u"\\" + relative);
        AddOriSizeLine(Lists(kind, stamp).ori, Run(kind, stamp) + u"\\" + relative, size);
    }
    void AddRepeatLine(const std::u16string& kind, const std::u16string& stamp, const std::u16string& line)
    {
        Lists(kind, stamp).repeat.Add(line);
    }
    void SaveLists()
    {
        for (auto& [run, lists] : runs_) {
            ASSERT_EQ(SaveListFile(lists.ori, OriSizePath(run)), 0u);
            if (lists.repeat.Count() > 0) {
                ASSERT_EQ(SaveListFile(lists.repeat, RepeatListPath(run)), 0u);
            }
        }
    }
    std::vector<std::u16string> RepeatLines(const std::u16string& kind, const std::u16string& stamp) const
    {
        lists::TStringList list;
        if (!list.LoadFromFile(RepeatListPath(Run(kind, stamp)))) {
            return {};
        }
        return list.Lines();
    }

private:
    struct RunLists {
        lists::TStringList ori;
        lists::TStringList repeat;
    };
    RunLists& Lists(const std::u16string& kind, const std::u16string& stamp) { return runs_[Run(kind, stamp)]; }

    std::map<std::u16string, RunLists> runs_;
};

}  // namespace enginetest
