#include "backup/window/frame/DebugInfo.h"

#include "backup/base/Language.h"
#include "backup/base/SysInfo.h"
#include "backup/base/TextFormat.h"
#include "backup/skin/LanguageSetting.h"
#include "backup/skin/ResourceLoaders.h"

#include <optional>

void FillDebugInfo(ui::TMemo* memo, int langId)
{
    lists::TStringList& lines = memo->Lines();
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
    lists::TStringList languages;
    LoadTextResource(languages, kLanguageListResource);
    std::u16string names;
    for (const std::u16string& line : languages.Lines()) {
        const std::u16string name = line.size() > 6 ? line.substr(6) : std::u16string();
        if (!names.empty()) {
            names += u" , ";
        }
        names += name;
        if (ParseDecimal(std::u16string_view(line).substr(0, 5)) == langId) {
            memo->Lines().Add(FormatText(u"LangVer : %i(%s)", {std::int64_t{langId}, std::u16string_view(name)}));
        }
    }
    memo->Lines().Add(FormatText(u"(%s)", {std::u16string_view(names)}));
}
