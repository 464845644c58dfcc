#include "platform/sim/sim_chip.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <span>
#include <vector>

namespace platform::sim {
namespace {

using devices::ScsiCommand;
using devices::ScsiResult;

struct TableChip {
    WORD code;
    const char* identity;
};

constexpr std::array<TableChip, 17> TableChips{{
    {0x2335, "j335"},
    {0x2336, "j336"},
    {0x2337, "j337"},
    {0x2338, "j338"},
    {0x2339, "j339"},
    {0x2329, "j329"},
    {0x2352, "j352"},
    {0x2353, "j353"},
    {0x2355, "j355"},
    {0x2356, "j356"},
    {0x2509, "j509"},
    {0x2519, "j519"},
    {0x2539, "j539"},
    {0x2551, "j551"},
    {0x2565, "j565"},
    {0x2566, "0539"},
    {0x2567, "j567"},
}};

struct FamilyName {
    const char* name;
    ChipFamily family;
    std::initializer_list<WORD> codes;  // the first is the default
};

const std::array<FamilyName, 6>& Families()
{
    static const std::array<FamilyName, 6> families{{
        {"register", ChipFamily::Register, {0x2105}},
        {"table",
         ChipFamily::Table,
         {0x2339, 0x2329, 0x2335, 0x2336, 0x2337, 0x2338, 0x2352, 0x2353, 0x2355, 0x2356, 0x2509, 0x2519, 0x2539,
          0x2551, 0x2565, 0x2566, 0x2567}},
        {"ee", ChipFamily::Ee, {0x0700}},
        {"probe", ChipFamily::Probe, {0x0611}},
        {"d0", ChipFamily::D0, {0x2571, 0x2771}},
        {"e0", ChipFamily::E0, {0x2506, 0x2507, 0x3507}},
    }};
    return families;
}

std::vector<std::string> Words(std::string_view text)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            if (!word.empty()) {
                words.push_back(word);
            }
            word.clear();
        } else {
            word.push_back(static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c));
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

bool ParseHexCode(std::string_view text, WORD& code)
{
    if (text.starts_with("0x")) {
        text.remove_prefix(2);
    }
    unsigned value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() || value > 0xFFFF) {
        return false;
    }
    code = static_cast<WORD>(value);
    return true;
}

bool CdbIs(std::span<const BYTE> cdb, std::initializer_list<int> bytes)
{
    return cdb.size() == bytes.size() && std::equal(cdb.begin(), cdb.end(), bytes.begin());
}

// The command block of a 16-byte vendor command ending in four ASCII characters.
bool CdbEndsWith(std::span<const BYTE> cdb, std::initializer_list<int> head, const char* tail)
{
    if (cdb.size() != 16 || !std::equal(head.begin(), head.end(), cdb.begin())) {
        return false;
    }
    for (std::size_t i = head.size(); i < 12; ++i) {
        if (cdb[i] != 0) {
            return false;
        }
    }
    return std::memcmp(cdb.data() + 12, tail, 4) == 0;
}

// Hands back at most the length asked.
void Answer(ScsiCommand& command, std::vector<BYTE> bytes)
{
    bytes.resize(std::min(bytes.size(), command.data.size()));
    command.data = std::move(bytes);
}

ScsiResult CheckCondition()
{
    // Fixed-format sense: ILLEGAL REQUEST, invalid command operation code.
    ScsiResult result;
    result.status = devices::ScsiStatusCheckCondition;
    result.sense.assign(18, 0);
    result.sense[0] = 0x70;
    result.sense[2] = 0x05;
    result.sense[7] = 10;
    result.sense[12] = 0x20;
    return result;
}

void PutPadded(std::vector<BYTE>& bytes, std::size_t at, std::size_t width, const std::string& text)
{
    for (std::size_t i = 0; i < width; ++i) {
        bytes[at + i] = i < text.size() ? static_cast<BYTE>(text[i]) : ' ';
    }
}

constexpr WORD ButtonRegister = 0xC880;
constexpr WORD StatusRegister = 0xC884;

}  // namespace

bool ParseChip(std::string_view text, ChipSpec& chip)
{
    std::vector<std::string> words = Words(text);
    if (words.size() == 1 && words[0] == "none") {
        chip = ChipSpec{};
        return true;
    }
    if (words.empty()) {
        return false;
    }
    for (const FamilyName& family : Families()) {
        if (words[0] != family.name) {
            continue;
        }
        std::size_t next = 1;
        if (next < words.size() && (words[next] == "chip" || words[next] == "chips")) {
            ++next;
        }
        WORD code = *family.codes.begin();
        if (next < words.size() && !ParseHexCode(words[next++], code)) {
            return false;
        }
        if (next != words.size() || std::find(family.codes.begin(), family.codes.end(), code) == family.codes.end()) {
            return false;
        }
        chip = ChipSpec{family.family, code};
        return true;
    }
    return false;
}

SimChip::SimChip(ChipSpec machineDesc, DeviceIdentity identity) : spec_(machineDesc), identity_(std::move(identity))
{
}

void SimChip::SetPressed(bool pressed)
{
    if (pressed && !pressed_) {
        registers_[ButtonRegister] |= 0x01;  // the button register latches a press
    }
    pressed_ = pressed;
}

WORD SimChip::ButtonWord() const
{
    return pressed_ && spec_.code != 0x2336 ? 1 : 0;
}

ScsiResult SimChip::Execute(ScsiCommand& command)
{
    if (command.cdb.empty()) {
        return CheckCondition();
    }
    bool answered = command.cdb[0] == 0x12 ? AnswerInquiry(command) : AnswerVendor(command);
    return answered ? ScsiResult{} : CheckCondition();
}

// Standard 36-byte INQUIRY data; chips that identify themselves there add four bytes.
bool SimChip::AnswerInquiry(ScsiCommand& command) const
{
    if (command.cdb.size() != 6 || !command.dataIn || (command.cdb[1] & 0x01) != 0) {
        return false;
    }
    std::vector<BYTE> data(36, 0);
    data[0] = identity_.cdrom ? 0x05 : 0x00;
    data[1] = identity_.removable ? 0x80 : 0x00;
    data[2] = 0x04;
    data[3] = 0x02;
    PutPadded(data, 8, 8, identity_.vendor);
    PutPadded(data, 16, 16, identity_.product);
    PutPadded(data, 32, 4, "1.00");
    const char* extension = nullptr;
    if (spec_.family == ChipFamily::Register) {
        extension = "\x05\x21\x00\x00";
    } else if (spec_.family == ChipFamily::Ee) {
        extension = "VU3A";
    } else if (spec_.family == ChipFamily::Table) {
        for (const TableChip& chip : TableChips) {
            extension = chip.code == spec_.code ? chip.identity : extension;
        }
    }
    if (extension != nullptr) {
        data.insert(data.end(), extension, extension + 4);
    }
    data[4] = static_cast<BYTE>(data.size() - 5);
    std::size_t allocation = (command.cdb[3] << 8) | command.cdb[4];
    data.resize(std::min(data.size(), allocation));
    Answer(command, std::move(data));
    return true;
}

bool SimChip::AnswerVendor(ScsiCommand& command)
{
    auto cdb = command.cdb;
    switch (spec_.family) {
    case ChipFamily::Register:
        return AnswerRegister(command);
    case ChipFamily::Table:
        if (command.dataIn && CdbIs(cdb, {0xDF, 0x10, 0, 0, 0x02, 0, 0, 0, 0, 0, 0, 0xFF})) {
            WORD word = ButtonWord();
            Answer(command, {static_cast<BYTE>(word), static_cast<BYTE>(word >> 8)});
            return true;
        }
        return false;
    case ChipFamily::Probe:
        if (command.dataIn && CdbEndsWith(cdb, {0xFC, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}, "INQU")) {
            Answer(command, {0xD1, 0x06});
            return true;
        }
        if (command.dataIn && CdbEndsWith(cdb, {0xFC, 0x01, 0x0C}, "IS8X")) {
            WORD word = ButtonWord();
            Answer(command, {static_cast<BYTE>(word), static_cast<BYTE>(word >> 8)});
            return true;
        }
        return false;
    case ChipFamily::Ee:
        if (command.dataIn && CdbIs(cdb, {0xEE, 0x80, 0, 0, 0, 0, 0x87, 0, 0, 0, 0, 0, 0, 0, 0, 0})) {
            Answer(command, {static_cast<BYTE>(ButtonWord()), 0, 0, 0});
            return true;
        }
        return !command.dataIn && CdbIs(cdb, {0xEE, 0x80, 0, 0, 0, 0, 0x88, 0, 0, 0, 0, 0, 0, 0, 0, 0}) &&
               command.data.size() == 1 && command.data[0] == 0x02;
    case ChipFamily::D0:
        if (command.dataIn && CdbIs(cdb, {0xD0, 0, 0, 0, 0x06, 0x7B})) {
            std::vector<BYTE> reply(16, 0);
            reply[0] = 0x06;
            reply[1] = 0x7B;
            reply[2] = static_cast<BYTE>(spec_.code >> 8);
            reply[3] = static_cast<BYTE>(spec_.code);
            Answer(command, std::move(reply));
            return true;
        }
        if (command.dataIn && CdbIs(cdb, {0xD9, 0, 0, 0, 0x06, 0x7B})) {
            std::vector<BYTE> reply(16, 0);
            reply[1] = pressed_ ? 0x80 : 0x00;
            Answer(command, std::move(reply));
            return true;
        }
        return false;
    case ChipFamily::E0:
        if (command.dataIn && CdbIs(cdb, {0xE0, 0, 0, 0, 0x06, 0x7B})) {
            std::vector<BYTE> reply(192, 0);
            reply[0] = 0x06;
            reply[1] = 0x7B;
            reply[2] = static_cast<BYTE>(spec_.code >> 8);
            reply[3] = static_cast<BYTE>(spec_.code);
            Answer(command, std::move(reply));
            return true;
        }
        return false;
    case ChipFamily::None:
        return false;
    }
    return false;
}

// E4 nn 00 hh ll 00 reads nn bytes from register hhll on; E5 vv 00 hh ll 00 writes vv there.
bool SimChip::AnswerRegister(ScsiCommand& command)
{
    auto cdb = command.cdb;
    if (cdb.size() != 6 || cdb[2] != 0 || cdb[5] != 0) {
        return false;
    }
    WORD address = static_cast<WORD>((cdb[3] << 8) | cdb[4]);
    if (cdb[0] == 0xE4 && command.dataIn) {
        registers_[StatusRegister] = static_cast<BYTE>(ButtonWord());
        registers_[StatusRegister + 1] = 0;
        std::vector<BYTE> bytes(cdb[1]);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = registers_[static_cast<WORD>(address + i)];
        }
        Answer(command, std::move(bytes));
        return true;
    }
    if (cdb[0] == 0xE5 && !command.dataIn && command.data.empty()) {
        if (address != StatusRegister && address != StatusRegister + 1) {
            registers_[address] = cdb[1];
        }
        return true;
    }
    return false;
}

}  // namespace platform::sim
