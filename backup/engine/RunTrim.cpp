#include "backup/engine/RunTrim.h"

#include "backup/base/BackupDriveLayout.h"
#include "backup/engine/ListFiles.h"
#include "backup/engine/RunPaths.h"
#include "lists/string_list.h"

namespace {

DWORD TrimOriSizes(const std::u16string& base, const std::u16string& runFolder, std::u16string_view item)
{
    const std::u16string oriSizePath = OriSizePath(runFolder);
    lists::TStringList oriSizes;
    // A cut list stays as it is: rewriting it would pass it off as whole.
    if (!IsWholeListFile(oriSizePath) || !oriSizes.LoadFromFile(oriSizePath)) {
        return 0;
    }
    lists::TStringList kept;
    for (const std::u16string& line : oriSizes.Lines()) {
        std::u16string_view copy;
        LONGLONG size = 0;
        const std::u16string_view relative =
            SplitOriSizeLine(line, &copy, &size) ? RelativeInRun(copy, base, runFolder.size()) : u"";
        if (relative.empty() || !GoesWithDeletedItem(relative, item)) {
            kept.Add(line);
        }
    }
    return kept.Count() == oriSizes.Count() ? 0 : SaveListFile(kept, oriSizePath);
}

}  // namespace

DWORD TrimRunOfDeletedItem(RepeatListSet& lists, const std::u16string& base, const std::u16string& stamp,
                           const std::u16string& path)
{
    const std::u16string runFolder = base + stamp;
    if (path.size() <= runFolder.size() + 1) {
        return 0;
    }
    const std::u16string item = path.substr(runFolder.size() + 1);
    RepeatListOfRun& run = lists.RunOf(base, stamp);
    bool missing = false;
    if (run.Load(&missing) && run.RemoveEntriesOf(item)) {
        if (const DWORD error = run.SaveIfChanged()) {
            return error;
        }
    }
    return TrimOriSizes(base, runFolder, item);
}
