// The window's life: creation with the start path, activation, the close question and the close.

#include "backup/base/CommandLine.h"
#include "backup/skin/LanguageSetting.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/device/ShellChanges.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/Startup.h"
#include "backup/window/layout/PageLayout.h"

namespace {

constexpr int kTrayIconFrame = 21035;
constexpr int kTrayIconFrames = 6;

// Longer than "X:\" and with ":\" as its second and third characters.
bool IsDrivePath(const std::u16string& path)
{
    return path.size() > 3 && path[1] == u':' && path[2] == u'\\';
}

}  // namespace

void TMainForm::FormCreate(TObject*)
{
    StartPath = CommandLineArgument();
    StartedWithDrivePath = IsDrivePath(StartPath) ? 1 : 0;
    ApplyMenuCaptions(*this);
    TrayIcon_Imglist->Clear();
    for (int frame = 0; frame < kTrayIconFrames; ++frame) {
        ui::TIcon icon;
        LoadIconResource(icon, kTrayIconFrame + frame);
        TrayIcon_Imglist->AddIcon(icon);
    }
    TrayIcon->SetIcons(TrayIcon_Imglist);
    TrayIcon->SetHint(u"Harbex Solo +");
    RunStartupSequence(*this);
    TrayIcon->SetVisible(true);
}

void TMainForm::FormActivate(TObject*)
{
    if (LaunchOptions[1] == 1 && FirstActivation == 1) {
        HideToNotificationArea();
    }
    Sch_Timer->SetEnabled(true);
    StartShellNotify(*this);
    if (FirstActivation == 1) {
        FirstActivation = 0;
        OfferResumeBackup(*this);
    }
}

bool TMainForm::NotificationAreaShowsIcon() const
{
    return TrayIcon->Visible() && ui::TTrayIcon::DesktopShowsIcons();
}

void TMainForm::HideToNotificationArea()
{
    ui::Application->Minimize();
    if (NotificationAreaShowsIcon()) {
        ui::Application->SetWindowShown(false);
    }
}

void TMainForm::FormCloseQuery(TObject*, bool& CanClose)
{
    CanClose = MayClose != 0;
}

void TMainForm::FormClose(TObject*, TCloseAction&)
{
    CancelRequested = 1;
    for (TTimer* timer : {Sch_Timer, TreeExpandTimer_Res, TreeExpandTimer_DE, TreeExpandTimer_DM}) {
        timer->SetEnabled(false);
    }
    BackupTreeFillStop = 1;
    RestoreTreeFillStop = 1;
    EasyDeleteTreeFillStop = 1;
    ManualDeleteTreeFillStop = 1;
    StopShellNotify(*this);
}

void TMainForm::Lang_Sel_CBoxChange(TObject*)
{
    LangId = LanguageOfComboIndex(Lang_Sel_CBox, *LangTable);
    Lang_Show_Edit->SetText(Lang_Sel_CBox->Items().Strings(Lang_Sel_CBox->ItemIndex()));
    ApplyLanguage(*this);
    SaveLanguageSetting(LangId);
    Lang_Show_Edit->SetFocus();
}
