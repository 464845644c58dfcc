#pragma once
// The simulated PC of the Easy Backup tests (tests/core/easy_pc.h) with the main window open on
// the fake clock.

#include "backup/base/BackupDriveLayout.h"
#include "frame_fixture.h"
#include "platform/files.h"
#include "platform/text.h"
#include "tests/core/easy_pc.h"
#include "ui/controls/timer.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace easytest {

class EasyMachine : public frametest::MainWindowMachine {
protected:
    // Calls check at every message pump of the run until it answers true.
    void DuringRun(std::function<bool()> check)
    {
        watch_.SetInterval(1000);
        watch_.OnTimer = [this, check](ui::TObject*) {
            if (check()) {
                watch_.SetEnabled(false);
            } else {
                ui_.Clock().Advance(1000);
            }
        };
        ui_.Clock().Advance(1000);
    }

    void SetUp() override
    {
        MainWindowMachine::SetUp();
        PlantEasyPc(folder_);
        UseWindowsVersion("6.1.7601");
    }

    void UseWindowsVersion(const std::string& windowsVersion)
    {
        ASSERT_TRUE(testsupport::StartMachine(folder_, EasyPcProfile(windowsVersion)));
        ASSERT_TRUE(SetFileAttributesW(u"C:\\Data\\sys.doc", FILE_ATTRIBUTE_SYSTEM));
    }

    std::string ReadFile(const std::string& relative) const
    {
        std::ifstream in(Host(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // "e/Harbex_Solo+/HOMEPCAlice61/Easy/<category>/<stamp>" as a host path text.
    static std::string RunFolder(const std::string& drive, const std::string& category,
                                 const std::string& stamp = kRunStamp)
    {
        return drive + "/Harbex_Solo+/HOMEPCAlice61/Easy/" + category + "/" + stamp;
    }

    // A list file's bytes: the byte-order mark and each line in UTF-16LE ending in CR LF.
    static std::string ListFileBytes(const std::vector<std::string>& lines)
    {
        std::string bytes = "\xFF\xFE";
        for (const std::string& line : lines) {
            for (char16_t c : platform::FromUtf8(line) + u"\r\n") {
                bytes.push_back(static_cast<char>(c & 0xFF));
                bytes.push_back(static_cast<char>(c >> 8));
            }
        }
        return bytes;
    }

    ui::TTimer watch_{nullptr};
};

}  // namespace easytest
