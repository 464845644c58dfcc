// The language tables as stored in the source tree, before packing: the program finds texts by id in
// every language and fills "%s", "%I64d" and "%lu" in order, so the tables must agree line for line.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kLangFolder = fs::path(HARBEX_SOURCE_DIR) / "resources" / "lang";

struct TableLine {
    int id = 0;
    std::string text;
};

std::string ReadWholeFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool HasIdAndTab(std::string_view line)
{
    return line.size() >= 6 && line[5] == '\t' && std::all_of(line.begin(), line.begin() + 5, [](char c) {
               return std::isdigit(static_cast<unsigned char>(c));
           });
}

// The lines of a table file; every line that is not "ddddd<TAB>text" ending in LF is reported as a failure.
std::vector<TableLine> ReadTable(const fs::path& path)
{
    const std::string content = ReadWholeFile(path);
    EXPECT_FALSE(content.empty()) << path;
    EXPECT_EQ(content.find('\r'), std::string::npos) << path << " holds a CR";
    EXPECT_TRUE(content.empty() || content.back() == '\n') << path << ": last line without LF";
    std::vector<TableLine> lines;
    for (std::size_t start = 0; start < content.size();) {
        const std::size_t end = std::min(content.find('\n', start), content.size());
        const std::string_view line = std::string_view(content).substr(start, end - start);
        if (HasIdAndTab(line))
            lines.push_back({std::stoi(std::string(line.substr(0, 5))), std::string(line.substr(6))});
        else
            ADD_FAILURE() << path << ": malformed line \"" << line << "\"";
        start = end + 1;
    }
    return lines;
}

// The fill-in markers of a text in order; a '%' that starts none of them counts as a marker of its own, so
// that a stray one cannot hide in a translation.
std::vector<std::string> Placeholders(std::string_view text)
{
    static constexpr std::array<std::string_view, 3> kMarkers = {"%s", "%I64d", "%lu"};
    std::vector<std::string> found;
    for (std::size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at + 1)) {
        const auto marker = std::find_if(kMarkers.begin(), kMarkers.end(),
                                         [&](std::string_view m) { return text.substr(at).starts_with(m); });
        found.emplace_back(marker == kMarkers.end() ? "%" : *marker);
    }
    return found;
}

struct TableSet {
    const char* english;
    std::array<const char*, 3> translations;
};

constexpr TableSet kTableSets[] = {
    {"31001.txt", {"31003.txt", "31004.txt", "31005.txt"}},
    {"setup/11000.txt", {"setup/11002.txt", "setup/11003.txt", "setup/11004.txt"}},
};

TEST(LangTables, IdsAscendFromTheFirstTextId)
{
    for (const TableSet& set : kTableSets) {
        std::vector<const char*> files(set.translations.begin(), set.translations.end());
        files.push_back(set.english);
        for (const char* file : files) {
            SCOPED_TRACE(file);
            const std::vector<TableLine> table = ReadTable(kLangFolder / file);
            ASSERT_FALSE(table.empty());
            EXPECT_GE(table.front().id, 20001);
            for (std::size_t i = 1; i < table.size(); ++i)
                EXPECT_LT(table[i - 1].id, table[i].id) << "line " << i + 1;
        }
    }
}

TEST(LangTables, TranslationsMatchEnglishLineForLine)
{
    for (const TableSet& set : kTableSets) {
        const std::vector<TableLine> english = ReadTable(kLangFolder / set.english);
        for (const char* file : set.translations) {
            SCOPED_TRACE(file);
            const std::vector<TableLine> translated = ReadTable(kLangFolder / file);
            ASSERT_EQ(translated.size(), english.size());
            for (std::size_t i = 0; i < english.size(); ++i) {
                ASSERT_EQ(translated[i].id, english[i].id) << "line " << i + 1;
                EXPECT_EQ(Placeholders(translated[i].text), Placeholders(english[i].text)) << "id " << english[i].id;
                EXPECT_EQ(translated[i].text.empty(), english[i].text.empty()) << "id " << english[i].id;
            }
        }
    }
}

TEST(LangTables, PlaceholdersAreReadInOrder)
{
    using Markers = std::vector<std::string>;
    EXPECT_EQ(Placeholders("%I64d hours %I64d minutes"), (Markers{"%I64d", "%I64d"}));
    EXPECT_EQ(Placeholders("%s of %lu"), (Markers{"%s", "%lu"}));
    EXPECT_EQ(Placeholders("100% done"), (Markers{"%"}));
    EXPECT_EQ(Placeholders("no markers"), Markers{});
}

TEST(LangTables, LanguageListsNameTheFourLanguagesInComboOrder)
{
    const std::string expected = "01033\tEnglish\n02052\t简体中文\n01028\t繁體中文\n01041\t日本語\n";
    for (const char* file : {"31000.txt", "setup/12000.txt"})
        EXPECT_EQ(ReadWholeFile(kLangFolder / file), expected) << file;
}

}  // namespace
