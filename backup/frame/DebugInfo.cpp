#include "backup/frame/DebugInfo.h"

#include "backup/frame/base/Language.h"
#include "backup/frame/base/SysInfo.h"
#include "backup/frame/base/TextFormat.h"
#include "backup/skin/LanguageSetting.h"
#include "backup/skin/ResourceLoaders.h"

#include <optional>

void FillDebugInfo(ui::TMemo* memo, int langId)
{
    ui::TStringList& lines = memo->Lines();
    lines.Clear();
    lines.Add(u"");
    lines.Add(u"Ver :" + FormatVersionNumber(kProgramVersion));
    lines.Add(u"");
    lines.Add(u"OS Ver : ");
    lines.Add(DescribeOperatingSystem());
    lines.Add(u"");
    LanguageLines(memo, langId);
}

void LanguageLines(ui::TMemo* memo, int langId)
{
    ui::TStringList languages;
    LoadTextResource(languages, kLanguageListResource);
    std::u16string names;
    // A language that the list does not name (1025) is shown by the name of the table it reads.
    std::u16string tableName;
    bool listed = false;
    for (const std::u16string& line : languages.Lines()) {
        const std::u16string name = line.size() > 6 ? line.substr(6) : std::u16string();
        if (!names.empty()) {
            names += u" , ";
        }
        names += name;
        const std::optional<std::int64_t> code = ParseDecimal(std::u16string_view(line).substr(0, 5));
        if (code == langId) {
            listed = true;
            memo->Lines().Add(FormatText(u"LangVer : %i(%s)", {std::int64_t{langId}, std::u16string_view(name)}));
        } else if (code && tableName.empty() &&
                   LanguageTableResource(static_cast<int>(*code)) == LanguageTableResource(langId)) {
            tableName = name;
        }
    }
    if (!listed && !tableName.empty()) {
        memo->Lines().Add(FormatText(u"LangVer : %i(%s)", {std::int64_t{langId}, std::u16string_view(tableName)}));
    }
    memo->Lines().Add(FormatText(u"(%s)", {std::u16string_view(names)}));
}
