#include "setup/MainWin.h"

#include "backup/base/Language.h"
#include "backup/base/PathUtil.h"
#include "backup/base/SpecialFolders.h"
#include "backup/base/SysInfo.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/skin/SkinBox.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "setup/InstallFiles.h"
#include "setup/InstallSteps.h"
#include "setup/SetupEntry.h"
#include "setup/SetupLanguage.h"
#include "setup/SetupMsgWin.h"
#include "setup/WizardLayout.h"
#include "ui/windows.h"

namespace setup {

TMainForm* MainForm = nullptr;

namespace {

constexpr int kCheckClear = 21002;
constexpr int kCheckSet = 21004;
constexpr int kItaniumKind = 2;

constexpr std::array<TColor, 7> kWizardPalette = {0x38051E, 0x570032, 0x38051E, 0x570032, 0x808080, 0xFFFFFF, 0x000000};

void ShowCheck(TImage* image, bool set)
{
    LoadPngResource(image, set ? kCheckSet : kCheckClear);
}

void Hover(TLabel* caption, TLabel* edge, TColor color)
{
    if (caption->Enabled()) {
        edge->SetColor(color);
    }
}

}  // namespace

TMainForm::TMainForm(TComponent* owner) : TForm(owner)
{
    SetName("MainForm");
    FontCharset = 1;
    DesktopShortcut = true;
    LicenseAccepted = false;
    RunAfterBoot = true;
    WizardPage = kStartPage;
    WizardPalette = kWizardPalette;
    BuildMainLayout(*this);
    LangTable = std::make_unique<TStringList>();
    LangId = GetUserDefaultLangID();
    FillLanguageCombo(Lang_CBox, nullptr, LangId);
    LoadLanguageTable(*LangTable, LangId);
    ApplyLanguage(*this, LangId);
    ShowPage();
    LayoutFrameFor(*this, LangId);
    BindHandlers();
}

TMainForm::~TMainForm()
{
    if (MainForm == this) {
        MainForm = nullptr;
    }
}

void TMainForm::BindHandlers()
{
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnActivate = [this](TObject* s) { FormActivate(s); };
    OnClose = [this](TObject* s, TCloseAction& action) { FormClose(s, action); };
    BackBtn_Lab->OnClick = [this](TObject* s) { BackBtn_LabClick(s); };
    NextBtn_Lab->OnClick = [this](TObject* s) { NextBtn_LabClick(s); };
    QuitBtn_Lab->OnClick = [this](TObject* s) { QuitBtn_LabClick(s); };
    Lic_Link_Lab->OnClick = [this](TObject* s) { Lic_Link_LabClick(s); };
    Lic_Check_Img->OnClick = [this](TObject* s) { Lic_Check_ImgClick(s); };
    Shortcut_Check_Img->OnClick = [this](TObject* s) { Shortcut_Check_ImgClick(s); };
    RunAfterBoot_Check_Img->OnClick = [this](TObject* s) { RunAfterBoot_Check_ImgClick(s); };
    Lang_CBox->OnChange = [this](TObject* s) { Lang_CBoxChange(s); };
    BackBtn_Lab->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { BackBtn_LabMouseMove(s, sh, x, y); };
    NextBtn_Lab->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { NextBtn_LabMouseMove(s, sh, x, y); };
    QuitBtn_Lab->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { QuitBtn_LabMouseMove(s, sh, x, y); };
    BackBtn_Lab->OnMouseLeave = [this](TObject* s) { BackBtn_LabMouseLeave(s); };
    NextBtn_Lab->OnMouseLeave = [this](TObject* s) { NextBtn_LabMouseLeave(s); };
    QuitBtn_Lab->OnMouseLeave = [this](TObject* s) { QuitBtn_LabMouseLeave(s); };
    Top_Title_Lab->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        Top_Title_LabMouseDown(s, b, sh, x, y);
    };
}

void TMainForm::FormCreate(TObject*)
{
    CloseRunningBackupApplication();
}

void TMainForm::FormActivate(TObject*)
{
    if (activationChecked_) {
        return;
    }
    activationChecked_ = true;
    ShowForm();
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE);
    if (ProcessorKind() == kItaniumKind) {
        ShowOkBox(*this, kErrorBox, FormatText3(WizardText(*this, 20012), ProductTitle(), u"IA64"));
        Close();
        return;
    }
    int installed = 0;
    if (CompareInstalledVersion(SavePath_Edit->Text(), kProgramVersion, &installed) != kNotInstalled) {
        const std::u16string question =
            FormatReplaceQuestion(WizardText(*this, 20041), ProductTitle(), installed, kProgramVersion);
        if (!AskYesNo(*this, question)) {
            Close();
        }
    }
}

void TMainForm::FormClose(TObject*, TCloseAction&)
{
    // The table stays allocated until the wizard is destroyed: a handler may still be on the stack.
    LangTable->Clear();
}

void TMainForm::ShowPage()
{
    switch (WizardPage) {
    case kLicensePage:
        ShowLicensePage();
        break;
    case kOptionsPage:
        ShowOptionsPage();
        break;
    case kStartPage:
        ShowStartPage();
        break;
    case kInstallingPage:
        ShowInstallingPage();
        break;
    case kCompletedPage:
        ShowCompletedPage();
        break;
    default:
        break;
    }
}

void TMainForm::SetButtonsVisible(ShownButtons shown)
{
    BackBtn_BK_Lab->SetVisible(shown.Back);
    BackBtn_Lab->SetVisible(shown.Back);
    NextBtn_BK_Lab->SetVisible(shown.Next);
    NextBtn_Lab->SetVisible(shown.Next);
    QuitBtn_BK_Lab->SetVisible(shown.Quit);
    QuitBtn_Lab->SetVisible(shown.Quit);
}

void TMainForm::SetNextEnabled(bool enabled)
{
    NextBtn_Lab->SetEnabled(enabled);
    NextBtn_BK_Lab->SetColor(enabled ? ui::clBlack : WizardPalette[4]);
}

void TMainForm::ShowCurrentStep(int step)
{
    const std::array<TPanel*, 3> panels = {Step_1_Pan, Step_2_Pan, Step_3_Pan};
    const std::array<TLabel*, 3> digits = {Step_1_Lab, Step_2_Lab, Step_3_Lab};
    for (int i = 0; i < 3; ++i) {
        const bool current = i + 1 == step;
        panels[i]->SetColor(WizardPalette[current ? 3 : 4]);
        digits[i]->Font().SetColor(WizardPalette[current ? 5 : 6]);
    }
}

void TMainForm::ShowLicensePage()
{
    Main_Title_Lab->SetCaption(WizardProductText(*this, 20034));
    License_Memo->SetVisible(true);
    Main_Pan->SetVisible(false);
    SetButtonsVisible({.Back = true});
    BackBtn_Lab->SetCaption(WizardText(*this, 20021));
}

void TMainForm::ShowOptionsPage()
{
    Main_Title_Lab->SetCaption(WizardText(*this, 20030));
    Main_Pan->SetVisible(true);
    Options_Pan->SetVisible(true);
    License_Memo->SetVisible(false);
    Start_Pan->SetVisible(false);
    Progress_Pan->SetVisible(false);
    SetButtonsVisible({.Back = true});
    BackBtn_Lab->SetCaption(WizardText(*this, 20021));
}

void TMainForm::ShowStartPage()
{
    Main_Title_Lab->SetCaption(WizardProductText(*this, 20032));
    Main_Pan->SetVisible(true);
    Start_Pan->SetVisible(true);
    License_Memo->SetVisible(false);
    Options_Pan->SetVisible(false);
    Progress_Pan->SetVisible(false);
    SetButtonsVisible({.Back = true, .Next = true, .Quit = true});
    BackBtn_Lab->SetCaption(WizardText(*this, 20030));
    NextBtn_Lab->SetCaption(WizardText(*this, 20022));
    SetNextEnabled(LicenseAccepted);
    ShowCurrentStep(1);
}

void TMainForm::ShowInstallingPage()
{
    Main_Title_Lab->SetCaption(WizardText(*this, 20024));
    Main_Pan->SetVisible(true);
    Progress_Pan->SetVisible(true);
    License_Memo->SetVisible(false);
    Options_Pan->SetVisible(false);
    Start_Pan->SetVisible(false);
    SetButtonsVisible({});
    ShowCurrentStep(2);
    Progress_Percent_Lab->SetCaption(u"");
    Progress_BK_Bar_Lab->SetWidth(0);
    RunInstall(*this);
}

void TMainForm::ShowCompletedPage()
{
    Main_Title_Lab->SetCaption(WizardText(*this, 20025));
    Main_Pan->SetVisible(true);
    License_Memo->SetVisible(false);
    Options_Pan->SetVisible(false);
    Start_Pan->SetVisible(false);
    Progress_Pan->SetVisible(false);
    SetButtonsVisible({.Quit = true});
    QuitBtn_Lab->SetCaption(WizardText(*this, 20006));
    ShowCurrentStep(3);
}

void TMainForm::BackBtn_LabClick(TObject*)
{
    if (WizardPage == kLicensePage || WizardPage == kOptionsPage) {
        WizardPage = kStartPage;
    } else if (WizardPage == kStartPage) {
        WizardPage = kOptionsPage;
    }
    ShowPage();
}

void TMainForm::NextBtn_LabClick(TObject*)
{
    if (WizardPage != kStartPage || !NextBtn_Lab->Enabled()) {
        return;
    }
    WizardPage = kInstallingPage;
    ShowPage();
}

void TMainForm::QuitBtn_LabClick(TObject*)
{
    if (WizardPage == kCompletedPage) {
        const std::u16string folder = WithTrailingBackslash(SavePath_Edit->Text());
        const std::u16string program = folder + ProgramFileName();
        StartProgramW(program.c_str(), nullptr, folder.c_str(), SW_SHOW);
        Close();
        return;
    }
    if (AskYesNo(*this, WizardProductText(*this, 20039))) {
        Close();
    }
}

void TMainForm::Lic_Link_LabClick(TObject*)
{
    WizardPage = kLicensePage;
    ShowPage();
}

void TMainForm::Lic_Check_ImgClick(TObject*)
{
    LicenseAccepted = !LicenseAccepted;
    ShowCheck(Lic_Check_Img, LicenseAccepted);
    SetNextEnabled(LicenseAccepted);
}

void TMainForm::Shortcut_Check_ImgClick(TObject*)
{
    DesktopShortcut = !DesktopShortcut;
    ShowCheck(Shortcut_Check_Img, DesktopShortcut);
}

void TMainForm::RunAfterBoot_Check_ImgClick(TObject*)
{
    RunAfterBoot = !RunAfterBoot;
    ShowCheck(RunAfterBoot_Check_Img, RunAfterBoot);
}

void TMainForm::Lang_CBoxChange(TObject*)
{
    LangId = LanguageOfComboIndex(Lang_CBox, *LangTable);
    ApplyLanguage(*this, LangId);
    LayoutFrameFor(*this, LangId);
}

void TMainForm::BackBtn_LabMouseMove(TObject*, TShiftState, int, int)
{
    Hover(BackBtn_Lab, BackBtn_BK_Lab, WizardPalette[2]);
}

void TMainForm::NextBtn_LabMouseMove(TObject*, TShiftState, int, int)
{
    Hover(NextBtn_Lab, NextBtn_BK_Lab, WizardPalette[2]);
}

void TMainForm::QuitBtn_LabMouseMove(TObject*, TShiftState, int, int)
{
    Hover(QuitBtn_Lab, QuitBtn_BK_Lab, WizardPalette[2]);
}

void TMainForm::BackBtn_LabMouseLeave(TObject*)
{
    Hover(BackBtn_Lab, BackBtn_BK_Lab, ui::clBlack);
}

void TMainForm::NextBtn_LabMouseLeave(TObject*)
{
    Hover(NextBtn_Lab, NextBtn_BK_Lab, ui::clBlack);
}

void TMainForm::QuitBtn_LabMouseLeave(TObject*)
{
    Hover(QuitBtn_Lab, QuitBtn_BK_Lab, ui::clBlack);
}

void TMainForm::Top_Title_LabMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    DragWindow(this);
}

}  // namespace setup
