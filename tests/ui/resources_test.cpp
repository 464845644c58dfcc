// The packed resources of the backup application: every listed picture is found and decodes in the format
// its loader expects, at the size its control needs; the lookup reports unknown ids and bad packs as
// absent; the packer turns UTF-8 texts into UTF-16 LE with BOM and CR LF.

#include "tests/support/file_tree.h"
#include "tests/support/temp_folder.h"
#include "ui/gfx/image.h"
#include "ui/resource_pack.h"
#include "ui/resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct ManifestLine {
    int id = 0;
    std::string mode;
    std::string file;
};

std::vector<ManifestLine> ReadManifest(const std::string& program)
{
    std::ifstream in(fs::path(HARBEX_SOURCE_DIR) / "resources" / (program + ".res"));
    std::vector<ManifestLine> lines;
    std::string line, type;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        ManifestLine entry;
        if (fields >> type >> entry.id >> entry.mode >> entry.file && type == "BINRES")
            lines.push_back(entry);
    }
    return lines;
}

ui::gfx::Image Decode(int id)
{
    ui::gfx::Image image;
    const auto data = ui::FindResource(ui::kBinResType, id);
    EXPECT_TRUE(data && ui::gfx::DecodeImage(*data, image)) << "id " << id;
    return image;
}

TEST(PackedResources, EveryListedPictureDecodesInItsLoadersFormat)
{
    const auto manifest = ReadManifest("backup");
    ASSERT_GT(manifest.size(), 150u);
    for (const ManifestLine& entry : manifest) {
        const auto data = ui::FindResource(ui::kBinResType, entry.id);
        ASSERT_TRUE(data) << entry.id;
        if (entry.mode != "raw")
            continue;
        const std::string extension = fs::path(entry.file).extension().string();
        ui::gfx::Image image;
        if (extension == ".png")
            EXPECT_TRUE(ui::gfx::DecodePng(*data, image)) << entry.id;
        else if (extension == ".gif")
            EXPECT_TRUE(ui::gfx::DecodeGif(*data, image)) << entry.id;
        else
            EXPECT_TRUE(ui::gfx::DecodeIco(*data, image)) << entry.id;
        EXPECT_FALSE(image.IsEmpty()) << entry.id;
    }
}

TEST(PackedResources, KeyPicturesHaveTheSizesOfTheirControls)
{
    struct Case {
        int id;
        int width;
        int height;
    };
    const Case cases[] = {
        {21002, 14, 9},    {21025, 11, 11},  {21026, 197, 29},  {21027, 439, 42}, {21032, 383, 201},
        {21034, 423, 210}, {22001, 170, 41}, {22004, 42, 31},   {22022, 180, 21}, {23010, 16, 17},
        {23019, 18, 18},   {23031, 97, 57},  {23043, 97, 57},   {23076, 20, 18},  {24004, 6, 24},
        {24021, 55, 55},   {25001, 48, 34},  {25053, 284, 249}, {25056, 624, 60}, {25063, 23, 27},
    };
    for (const Case& c : cases) {
        const auto image = Decode(c.id);
        EXPECT_EQ(image.Width(), c.width) << c.id;
        EXPECT_EQ(image.Height(), c.height) << c.id;
    }
}

TEST(PackedResources, HourglassAnimatesAndTrayFramesCarryThreeIconSizes)
{
    const auto hourglass = Decode(23077);
    EXPECT_GT(hourglass.frames.size(), 1u);
    EXPECT_EQ(hourglass.Width(), 20);
    EXPECT_EQ(hourglass.Height(), 18);
    for (int id = 21035; id <= 21040; ++id) {
        for (int size : {16, 32, 48}) {
            ui::gfx::Image icon;
            const auto data = ui::FindResource(ui::kBinResType, id);
            ASSERT_TRUE(data && ui::gfx::DecodeIco(*data, icon, size)) << id;
            EXPECT_EQ(icon.Width(), size) << id;
        }
    }
}

TEST(PackedResources, MirroredPicturesAreMirrorsOfTheirOriginals)
{
    const std::pair<int, int> pairs[] = {{27001, 21025}, {27003, 21027}, {27004, 22012}, {27005, 22011}, {27006, 22016},
                                         {27007, 22017}, {27008, 22014}, {27009, 22015}, {27010, 22022}};
    for (const auto& [mirror, original] : pairs) {
        const auto a = Decode(mirror).frames.at(0);
        const auto b = Decode(original).frames.at(0);
        ASSERT_EQ(a.Width(), b.Width()) << mirror;
        ASSERT_EQ(a.Height(), b.Height()) << mirror;
        int worst = 0;
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                for (int shift = 0; shift < 32; shift += 8) {
                    const int p = int(a.At(x, y) >> shift & 0xFF);
                    const int q = int(b.At(a.Width() - 1 - x, y) >> shift & 0xFF);
                    worst = std::max(worst, std::abs(p - q));
                }
        EXPECT_LE(worst, 8) << mirror << " against " << original;  // antialiasing may differ slightly
    }
}

TEST(PackedResources, UnknownIdsAndTypesAreAbsent)
{
    EXPECT_TRUE(ui::FindResource(u"binres", 23019));
    EXPECT_FALSE(ui::FindResource(ui::kBinResType, 99999));
    EXPECT_FALSE(ui::FindResource(ui::kBinResType, -1));
    EXPECT_FALSE(ui::FindResource(u"RCDATA", 23019));
    EXPECT_FALSE(ui::FindResource(u"BINRESX", 23019));
}

TEST(PackedResources, TextEntriesAreUtf16WithByteOrderMarkAndCrLf)
{
    for (const ManifestLine& entry : ReadManifest("backup")) {
        if (entry.mode != "utf16")
            continue;
        const auto data = ui::FindResource(ui::kBinResType, entry.id);
        ASSERT_TRUE(data && data->size() >= 2 && data->size() % 2 == 0) << entry.id;
        EXPECT_EQ((*data)[0], 0xFF) << entry.id;
        EXPECT_EQ((*data)[1], 0xFE) << entry.id;
        for (std::size_t i = 2; i + 1 < data->size(); i += 2) {
            if ((*data)[i] == '\n' && (*data)[i + 1] == 0) {
                EXPECT_TRUE(i >= 4 && (*data)[i - 2] == '\r' && (*data)[i - 1] == 0) << entry.id << " at " << i;
            }
        }
    }
}

Bytes PackOf(std::initializer_list<std::uint8_t> header, std::size_t dataBytes)
{
    Bytes pack(header);
    pack.resize(pack.size() + dataBytes, 0xAB);
    return pack;
}

TEST(ResourcePack, MalformedPacksFindNothing)
{
    // One entry "BINRES" id 7 at offset 36, size 4: a well-formed pack, then broken copies.
    const std::initializer_list<std::uint8_t> good = {'H', 'X', 'R', 'P', 1,  0, 0, 0, 'B', 'I', 'N', 'R',
                                                      'E', 'S', 0,   0,   0,  0, 0, 0, 0,   0,   0,   0,
                                                      7,   0,   0,   0,   36, 0, 0, 0, 4,   0,   0,   0};
    const Bytes pack = PackOf(good, 4);
    const auto found = ui::resource_pack::Find(pack, u"BINRES", 7);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->size(), 4u);

    Bytes badMagic = pack;
    badMagic[0] = 'X';
    Bytes hugeCount = pack;
    hugeCount[7] = 0x7F;
    Bytes pastEnd = pack;
    pastEnd[32] = 5;
    const Bytes truncated(pack.begin(), pack.begin() + 20);
    for (const Bytes& bad : {badMagic, hugeCount, pastEnd, truncated})
        EXPECT_FALSE(ui::resource_pack::Find(bad, u"BINRES", 7));
    EXPECT_FALSE(ui::resource_pack::Find({}, u"BINRES", 7));
}

class Packer : public ::testing::Test {
protected:
    void Write(const std::string& name, const std::string& content) { testsupport::WriteText(folder_ / name, content); }

    // Runs the packer on the manifest text; the pack's bytes, or nothing when the packer refused.
    std::optional<Bytes> Pack(const std::string& manifest)
    {
        Write("test.res", manifest);
        const fs::path out = folder_ / "test.pack";
        const std::string command = std::string(HARBEX_RESPACK) + " " + (folder_ / "test.res").string() + " " +
                                    out.string() + " " + folder_.string() + " 2>/dev/null";
        if (std::system(command.c_str()) != 0)
            return std::nullopt;
        std::ifstream in(out, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    testsupport::TempFolder temp_{"respack_test"};
    fs::path folder_ = temp_.Path();
};

TEST_F(Packer, Utf16EntryIsPackedByteForByte)
{
    // LF and CR LF both become CR LF; the last line keeps its missing line end; U+1F600 is a surrogate pair.
    Write("text.txt", "01033\tEnglish\n02052\t\xE7\xAE\x80\r\n\xF0\x9F\x98\x80");
    Write("raw.bin", std::string("\x89PNG\0\n", 6));
    const auto pack = Pack("# comment\nBINRES 31000 utf16 text.txt\n\nBINRES 21000 raw raw.bin\n");
    ASSERT_TRUE(pack);

    Bytes expected = {0xFF, 0xFE};
    for (char16_t unit : std::u16string(u"01033\tEnglish\r\n02052\t\u7B80\r\n\U0001F600")) {
        expected.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        expected.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    const auto text = ui::resource_pack::Find(*pack, u"BINRES", 31000);
    ASSERT_TRUE(text);
    EXPECT_EQ(Bytes(text->begin(), text->end()), expected);
    const auto raw = ui::resource_pack::Find(*pack, u"BINRES", 21000);
    ASSERT_TRUE(raw);
    EXPECT_EQ(Bytes(raw->begin(), raw->end()), Bytes({0x89, 'P', 'N', 'G', 0, '\n'}));
}

TEST_F(Packer, RefusesBadManifests)
{
    Write("a.txt", "a");
    const char* manifests[] = {
        "BINRES 1 raw missing.png\n",  // file not found
        "BINRES 1 zip a.txt\n",  // unknown mode
        "BINRES 1 raw a.txt\nBINRES 1 raw a.txt\n",  // id twice
        "BINRES x raw a.txt\n",  // id not a number
    };
    for (const char* manifest : manifests)
        EXPECT_FALSE(Pack(manifest)) << manifest;
    Write("bad.txt", "\xC3");
    EXPECT_FALSE(Pack("BINRES 1 utf16 bad.txt\n"));
}

}  // namespace
