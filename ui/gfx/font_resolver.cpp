#include "ui/gfx/font_resolver.h"

#include "platform/text.h"
#include "ui/gfx/utf16.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>

namespace ui::gfx {

namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

struct CharSetDeleter {
    void operator()(FcCharSet* c) const { FcCharSetDestroy(c); }
};
using CharSetPtr = std::unique_ptr<FcCharSet, CharSetDeleter>;

const char* LanguageOf(int charset)
{
    switch (charset) {
    case kCharsetShiftJis:
        return "ja";
    case kCharsetGb2312:
        return "zh-cn";
    case kCharsetBig5:
        return "zh-tw";
    case kCharsetArabic:
        return "ar";
    default:
        return nullptr;
    }
}

const FcChar8* Fc(const std::string& s)
{
    return reinterpret_cast<const FcChar8*>(s.c_str());
}

const FcChar8* Fc(const char* s)
{
    return reinterpret_cast<const FcChar8*>(s);
}

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// Families whose installed stand-in has the same metrics, so that no warning is due.
bool IsMetricTwin(const std::string& requested, const std::string& found)
{
    static const std::pair<const char*, const char*> twins[] = {
        {"arial", "liberation sans"},
        {"helvetica", "liberation sans"},
        {"times new roman", "liberation serif"},
        {"courier new", "liberation mono"},
    };
    std::string r = Lower(requested);
    std::string f = Lower(found);
    if (r == f)
        return true;
    return std::any_of(std::begin(twins), std::end(twins),
                       [&](const auto& t) { return r == t.first && f == t.second; });
}

bool Initialised()
{
    static const bool ok = FcInit() == FcTrue;
    return ok;
}

PatternPtr BasePattern(const FontSpec& font, bool withFamily)
{
    PatternPtr p(FcPatternCreate());
    if (withFamily)
        FcPatternAddString(p.get(), FC_FAMILY, Fc(platform::ToUtf8(font.name)));
    else
        FcPatternAddString(p.get(), FC_FAMILY, Fc("sans-serif"));
    FcPatternAddInteger(p.get(), FC_WEIGHT, font.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(p.get(), FC_SLANT, font.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(p.get(), FC_SCALABLE, FcTrue);
    if (const char* lang = LanguageOf(font.charset))
        FcPatternAddString(p.get(), FC_LANG, Fc(lang));
    return p;
}

PatternPtr Match(FcPattern* pattern)
{
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    return PatternPtr(FcFontMatch(nullptr, pattern, &result));
}

std::optional<FaceFile> ToFaceFile(FcPattern* match)
{
    FcChar8* file = nullptr;
    FcChar8* family = nullptr;
    int index = 0;
    if (!match || FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch)
        return std::nullopt;
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FaceFile face;
    face.path = reinterpret_cast<const char*>(file);
    face.index = index;
    if (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch)
        face.family = reinterpret_cast<const char*>(family);
    return face;
}

bool Writes(FcPattern* match, const char* lang)
{
    FcLangSet* langs = nullptr;
    if (FcPatternGetLangSet(match, FC_LANG, 0, &langs) != FcResultMatch)
        return false;
    return FcLangSetHasLang(langs, Fc(lang)) != FcLangDifferentLang;
}

void WarnOnce(const std::string& requested, const std::string& used)
{
    static std::set<std::string> warned;
    if (warned.insert(Lower(requested)).second)
        std::fprintf(stderr, "Font \"%s\" is not installed; using \"%s\".\n", requested.c_str(), used.c_str());
}

}  // namespace

std::optional<FaceFile> ResolveFace(const FontSpec& font)
{
    if (!Initialised())
        return std::nullopt;
    PatternPtr pattern = BasePattern(font, true);
    PatternPtr match = Match(pattern.get());
    std::optional<FaceFile> face = ToFaceFile(match.get());
    if (!face)
        return std::nullopt;
    const char* lang = LanguageOf(font.charset);
    if (lang && !Writes(match.get(), lang)) {
        PatternPtr byLanguage = BasePattern(font, false);
        PatternPtr languageMatch = Match(byLanguage.get());
        if (languageMatch && Writes(languageMatch.get(), lang))
            return ToFaceFile(languageMatch.get());
    }
    std::string requested = platform::ToUtf8(font.name);
    if (!IsMetricTwin(requested, face->family))
        WarnOnce(requested, face->family);
    return face;
}

std::optional<FaceFile> ResolveFaceForChar(const FontSpec& font, char32_t ch)
{
    if (!Initialised())
        return std::nullopt;
    PatternPtr pattern = BasePattern(font, true);
    CharSetPtr chars(FcCharSetCreate());
    FcCharSetAddChar(chars.get(), ch);
    FcPatternAddCharSet(pattern.get(), FC_CHARSET, chars.get());
    if (!LanguageOf(font.charset) && IsCjk(ch))
        FcPatternAddString(pattern.get(), FC_LANG, Fc("zh-cn"));
    PatternPtr match = Match(pattern.get());
    FcCharSet* has = nullptr;
    if (!match || FcPatternGetCharSet(match.get(), FC_CHARSET, 0, &has) != FcResultMatch || !FcCharSetHasChar(has, ch))
        return std::nullopt;
    return ToFaceFile(match.get());
}

}  // namespace ui::gfx
