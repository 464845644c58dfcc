#include "backup/window/frame/Entry.h"

#include "backup/base/CommandLine.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "platform/ipc.h"
#include "platform/text.h"
#include "ui/windows.h"

namespace {

constexpr int kApplicationIcon = 21035;

}  // namespace

bool BringRunningInstanceForward(const std::u16string& title)
{
    const std::string ansiTitle = platform::ToAnsi(title);
    HWND window = FindWindowA("TApplication", ansiTitle.c_str());
    if (window == nullptr) {
        return false;
    }
    if (platform::IsRegisteredWindow(window)) {
        platform::PostWindowRequest(window, platform::WindowRequest::BringToFront);
        return true;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(window);
    return true;
}

void CreateMainWindow(const std::u16string& argument)
{
    SetCommandLineArgument(argument);
    ui::TApplication& application = ui::App();
    application.Initialize();
    LoadIconResource(application.Icon(), kApplicationIcon);
    application.SetTitle(WindowTitleFor(argument));
    application.CreateForm(&MainForm);
}
