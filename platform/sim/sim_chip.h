#pragma once
// A simulated USB bridge chip: answers INQUIRY and the vendor commands of its family, and holds
// the state of the drive's push button.

#include "platform/device_machine.h"

#include <map>
#include <string>
#include <string_view>

namespace platform::sim {

enum class ChipFamily { None, Register, Table, Ee, Probe, D0, E0 };

struct ChipSpec {
    ChipFamily family = ChipFamily::None;
    WORD code = 0;
};

// "none", or a family name ("register", "table", "ee", "probe", "d0", "e0", optionally followed
// by "chip" or "chips") and optionally a chip code of that family in hexadecimal ("table 2565").
bool ParseChip(std::string_view text, ChipSpec& chip);

struct DeviceIdentity {
    std::string vendor, product;
    bool cdrom = false;
    bool removable = false;
};

class SimChip {
public:
    SimChip(ChipSpec machineDesc, DeviceIdentity identity);
    void SetPressed(bool pressed);
    bool Pressed() const { return pressed_; }
    devices::ScsiResult Execute(devices::ScsiCommand& command);

private:
    bool AnswerInquiry(devices::ScsiCommand& command) const;
    bool AnswerVendor(devices::ScsiCommand& command);
    bool AnswerRegister(devices::ScsiCommand& command);
    WORD ButtonWord() const;

    ChipSpec spec_;
    DeviceIdentity identity_;
    bool pressed_ = false;
    std::map<WORD, BYTE> registers_;
};

}  // namespace platform::sim
