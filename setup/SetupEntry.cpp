#include "setup/SetupEntry.h"

#include "platform/clock.h"
#include "platform/ipc.h"
#include "platform/text.h"
#include "setup/MainWin.h"
#include "ui/windows.h"

namespace setup {
namespace {

constexpr int kCloseWaitAttempts = 100;
constexpr DWORD kCloseWaitMs = 100;

HWND FindBackupApplication()
{
    return FindWindowA("TApplication", kBackupApplicationTitle);
}

}  // namespace

bool SetupAlreadyRunning()
{
    return FindWindowA("TApplication", kSetupTitle) != nullptr;
}

void CloseRunningBackupApplication()
{
    HWND window = FindBackupApplication();
    if (window == nullptr) {
        return;
    }
    // Posted: a busy or hung application must not hold the setup program up.
    if (platform::IsRegisteredWindow(window)) {
        platform::PostWindowRequest(window, platform::WindowRequest::Close);
    } else {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    for (int attempt = 0; attempt < kCloseWaitAttempts; ++attempt) {
        if (FindBackupApplication() == nullptr) {
            return;
        }
        ui::Application->ProcessMessages();
        Sleep(kCloseWaitMs);
    }
}

void CreateWizard()
{
    ui::TApplication& application = ui::App();
    application.Initialize();
    application.SetTitle(platform::FromUtf8(kSetupTitle));
    application.CreateForm(&MainForm);
}

}  // namespace setup
