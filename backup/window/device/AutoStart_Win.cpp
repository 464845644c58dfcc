#include "backup/window/device/AutoStart_Win.h"

#include "backup/base/Language.h"
#include "backup/base/TextFormat.h"
#include "backup/skin/ControlFactory.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/skin/SkinBox.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/MsgWin.h"
#include "backup/window/frame/Startup.h"
#include "backup/window/jobs/JobControl.h"
#include "backup/window/jobs/ProgressPanel.h"
#include "backup/window/jobs/StartersBackup.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 432;
constexpr int kEdgeWidth = 10;
constexpr int kStepLeft = 518;
constexpr int kStepTop = 47;
constexpr int kStepPitch = 30;
constexpr int kTextLeft = 347;
constexpr int kButtonHeight = 22;
constexpr int kCapWidth = 6;
constexpr int kProgressHeight = 70;
constexpr int kTextStep = 20161;
constexpr int kTextScanning = 20162;
constexpr int kTextBackingUp = 20139;
constexpr int kTextCancelQuestion = 20142;
constexpr int kTextCancel = 20005;
constexpr int kTextBackup = 20024;

struct StepLook {
    int step1, step2, step3, description, action;
};

constexpr StepLook kSteps[] = {{25063, 25064, 25067, kTextStep, 25053},
                               {25062, 25065, 25067, kTextScanning, 25055},
                               {25062, 25064, 25068, kTextBackingUp, 25054}};

TMainForm& Main()
{
    return *MainForm;
}

std::u16string LangText(int id)
{
    return LookupText(*Main().LangTable, id);
}

void TextLabel(TLabel* label, int height, ui::TColor color)
{
    label->SetAutoSize(false);
    label->SetTransparent(true);
    label->Font().SetHeight(height);
    label->Font().SetColor(color);
    label->Font().SetCharset(Main().FontCharset);
}

void BarLabel(TLabel* label, int left, int top, int width, int height, ui::TColor color)
{
    label->SetAutoSize(false);
    label->SetCaption(u"");
    label->SetTransparent(false);
    label->SetColor(color);
    label->SetBounds(left, top, width, height);
}

void ShowStep(TAutoStartForm& window, int step)
{
    const StepLook& look = kSteps[step - 1];
    window.AutoStartStep = step;
    LoadPngResource(window.Step1_Img, look.step1);
    LoadPngResource(window.Step2_Img, look.step2);
    LoadPngResource(window.Step3_Img, look.step3);
    LoadPngResource(window.Act_Ico_Img, look.action);
    window.Step_Des_Lab->SetCaption(step == 1 ? FormatText1(LangText(kTextStep), u"Harbex Solo+")
                                              : LangText(look.description));
    window.CountDown_Lab->SetVisible(step == 1);
    window.CountDown_Sec_Lab->Hide();
    window.Scan_ShowFileName_Lab->SetVisible(step == 2);
    window.Progress_Pan->SetVisible(step == 3);
    window.Btn_Left_Pan->SetVisible(step == 1);
    window.Btn_Right_Pan->Show();
}

}  // namespace

TAutoStartForm::TAutoStartForm(TComponent* owner) : TForm(owner)
{
    RemainingSeconds = Main().AutoStartSeconds;
    CreateControls();
    LayoutAutoStartForm();
    BindHandlers();
    OnCreate = [this](TObject* s) { FormCreate(s); };
}

void TAutoStartForm::CreateControls()
{
    SetName("AutoStartForm");
    MainBK_Left_Img = NewControl<TImage>(this, "MainBK_Left_Img", this);
    MainBK_Center = NewControl<TImage>(this, "MainBK_Center", this);
    MainBK_Right_Img = NewControl<TImage>(this, "MainBK_Right_Img", this);
    Underlay_Img = NewControl<TImage>(this, "Underlay_Img", this);
    VemoLogo_Img = NewControl<TImage>(this, "VemoLogo_Img", this);
    Client_LogoBK_Img = NewControl<TImage>(this, "Client_LogoBK_Img", this);
    Step1_Img = NewControl<TImage>(this, "Step1_Img", this);
    Step2_Img = NewControl<TImage>(this, "Step2_Img", this);
    Step3_Img = NewControl<TImage>(this, "Step3_Img", this);
    Step_Title_Lab = NewControl<TLabel>(this, "Step_Title_Lab", this);
    Step_Des_Lab = NewControl<TLabel>(this, "Step_Des_Lab", this);
    Act_Ico_Img = NewControl<TImage>(this, "Act_Ico_Img", this);
    CountDown_Lab = NewControl<TLabel>(this, "CountDown_Lab", this);
    CountDown_Sec_Lab = NewControl<TLabel>(this, "CountDown_Sec_Lab", this);
    Scan_ShowFileName_Lab = NewControl<TLabel>(this, "Scan_ShowFileName_Lab", this);
    CreateButtonPair(this, this);
    Progress_Pan = NewControl<TPanel>(this, "Progress_Pan", this);
    Progress_File_Path_Lab = NewControl<TLabel>(this, "Progress_File_Path_Lab", Progress_Pan);
    Progress_File_BK_Deep_Lab = NewControl<TLabel>(this, "Progress_File_BK_Deep_Lab", Progress_Pan);
    Progress_File_BK_Light_Lab = NewControl<TLabel>(this, "Progress_File_BK_Light_Lab", Progress_Pan);
    Progress_File_Bar_Img = NewControl<TImage>(this, "Progress_File_Bar_Img", Progress_Pan);
    Progress_File_Percent_BK_Img = NewControl<TImage>(this, "Progress_File_Percent_BK_Img", Progress_Pan);
    Progress_File_Percent_Lab = NewControl<TLabel>(this, "Progress_File_Percent_Lab", Progress_Pan);
    Progress_Total_RemainTime_Lab = NewControl<TLabel>(this, "Progress_Total_RemainTime_Lab", Progress_Pan);
    Progress_Total_BK_Deep_Lab = NewControl<TLabel>(this, "Progress_Total_BK_Deep_Lab", Progress_Pan);
    Progress_Total_BK_Light_Lab = NewControl<TLabel>(this, "Progress_Total_BK_Light_Lab", Progress_Pan);
    Progress_Total_Bar_Img = NewControl<TImage>(this, "Progress_Total_Bar_Img", Progress_Pan);
    Progress_Total_Percent_BK_Img = NewControl<TImage>(this, "Progress_Total_Percent_BK_Img", Progress_Pan);
    Progress_Total_Percent_Lab = NewControl<TLabel>(this, "Progress_Total_Percent_Lab", Progress_Pan);
    ActTimer = NewComponent<TTimer>(this, "ActTimer");
    ActTimer->SetEnabled(false);
    ActTimer->SetInterval(1000);
}

void TAutoStartForm::LayoutAutoStartForm()
{
    SetBorderStyle(ui::TFormBorderStyle::bsNone);
    SetDoubleBuffered(true);
    SetPosition(ui::TPosition::poMainFormCenter);
    SetBounds(0, 0, kWidth, kHeight);
    SetColor(ui::clWhite);
    SetRoundRegion(15, 15);

    for (TImage* image : {MainBK_Left_Img, MainBK_Center, MainBK_Right_Img}) {
        image->SetStretch(true);
    }
    MainBK_Left_Img->SetBounds(0, -1, kEdgeWidth, kHeight + 1);
    MainBK_Right_Img->SetBounds(kWidth - kEdgeWidth, -1, kEdgeWidth, kHeight + 1);
    MainBK_Center->SetBounds(kEdgeWidth, -1, kWidth - 2 * kEdgeWidth, kHeight + 1);
    LoadPngResource(MainBK_Left_Img, 25059);
    LoadPngResource(MainBK_Center, 25060);
    LoadPngResource(MainBK_Right_Img, 25061);
    MainBK_Center->SendToBack();
    MainBK_Right_Img->SendToBack();
    MainBK_Left_Img->SendToBack();

    Underlay_Img->SetBounds(8, 364, 624, 60);
    LoadPngResource(Underlay_Img, 25056);
    VemoLogo_Img->SetBounds(Underlay_Img->Left() + 20, Underlay_Img->Top() + 20, 181, 32);
    LoadPngResource(VemoLogo_Img, 21026);
    Client_LogoBK_Img->SetBounds(6, 6, 120, 42);
    LoadPngResource(Client_LogoBK_Img, 25057);
    Client_LogoBK_Img->Hide();

    TImage* steps[] = {Step1_Img, Step2_Img, Step3_Img};
    for (int i = 0; i < 3; ++i) {
        steps[i]->SetBounds(kStepLeft + i * kStepPitch, kStepTop, 23, 27);
    }

    TextLabel(Step_Title_Lab, 26, ui::clBlack);
    Step_Title_Lab->SetBounds(kTextLeft, kStepTop - 3, kStepLeft - 5 - kTextLeft, 26);
    Step_Title_Lab->SetCaption(u"Step");
    Step_Title_Lab->Font().SetStyle(ui::TFontStyle::fsBold);
    Step_Title_Lab->SetAlignment(ui::TAlignment::taRightJustify);
    Step_Title_Lab->SetLayout(ui::TTextLayout::tlCenter);
    TextLabel(Step_Des_Lab, 15, ui::clBlack);
    Step_Des_Lab->SetBounds(kTextLeft, Step_Title_Lab->Top() + 26 + 10, Step3_Img->Left() + 23 - kTextLeft, 90);
    Step_Des_Lab->SetWordWrap(true);

    Act_Ico_Img->SetBounds(39, 73, 284, 249);
    TextLabel(CountDown_Lab, 150, ui::clBlack);
    CountDown_Lab->SetBounds(Act_Ico_Img->Left(), Act_Ico_Img->Top(), Act_Ico_Img->Width(), Act_Ico_Img->Height());
    CountDown_Lab->SetAlignment(ui::TAlignment::taCenter);
    CountDown_Lab->SetLayout(ui::TTextLayout::tlCenter);
    CountDown_Lab->SetCaption(DecimalText(RemainingSeconds));
    CountDown_Lab->BringToFront();
    TextLabel(CountDown_Sec_Lab, 15, ui::clBlack);
    CountDown_Sec_Lab->SetBounds(CountDown_Lab->Left() + CountDown_Lab->Width() + 7,
                                 CountDown_Lab->Top() + CountDown_Lab->Height() - 10 - 16, 60, 16);
    CountDown_Sec_Lab->SetCaption(u"Sec");
    TextLabel(Scan_ShowFileName_Lab, 12, ui::clBlack);
    Scan_ShowFileName_Lab->SetBounds(Act_Ico_Img->Left() + 41, Act_Ico_Img->Top() + 36, 160, 167);
    Scan_ShowFileName_Lab->SetCaption(u"");
    Scan_ShowFileName_Lab->SetWordWrap(true);
    Scan_ShowFileName_Lab->SetLayout(ui::TTextLayout::tlCenter);
    Scan_ShowFileName_Lab->BringToFront();

    LayoutButtons();
    LayoutProgressPanel();
    ShowStep(*this, 1);
}

void TAutoStartForm::LayoutButtons()
{
    RB_Btn_Lab->Font().SetCharset(Main().FontCharset);
    LB_Btn_Lab->Font().SetCharset(Main().FontCharset);
    const std::u16string cancel = LangText(kTextCancel);
    const std::u16string backup = LangText(kTextBackup);
    const bool wide = TextExceedsWidth(RB_Btn_Lab, cancel, 80) || TextExceedsWidth(LB_Btn_Lab, backup, 80);
    const int width = wide ? 150 : 80;
    const int top = Underlay_Img->Top() - 7 - kButtonHeight;
    const int rightLeft = kWidth - 70 - width;
    const std::pair<SkinButtonParts, std::pair<int, std::u16string>> buttons[] = {
        {RightButton(), {rightLeft, cancel}}, {LeftButton(), {rightLeft - 7 - width, backup}}};
    for (const auto& [button, place] : buttons) {
        button.Pan->SetBevelOuter(ui::TBevelCut::bvNone);
        button.Pan->SetColor(ui::clWhite);
        button.Pan->SetBounds(place.first, top, width, kButtonHeight);
        for (TImage* image : {button.Left, button.Center, button.Right}) {
            image->SetStretch(true);
        }
        button.Left->SetBounds(0, 0, kCapWidth, kButtonHeight);
        button.Center->SetBounds(kCapWidth, 0, width - 2 * kCapWidth, kButtonHeight);
        button.Right->SetBounds(width - kCapWidth, 0, kCapWidth, kButtonHeight);
        ShowButtonLook(button, ButtonLook::Normal);
        TextLabel(button.Lab, 15, static_cast<ui::TColor>(TMainForm::Palette[8]));
        button.Lab->SetBounds(0, 0, width, kButtonHeight);
        button.Lab->SetCursor(ui::crHandPoint);
        button.Lab->SetAlignment(ui::TAlignment::taCenter);
        button.Lab->SetLayout(ui::TTextLayout::tlCenter);
        button.Lab->SetCaption(place.second);
        button.Lab->BringToFront();
    }
}

void TAutoStartForm::LayoutProgressPanel()
{
    const int width = kWidth - 16 - kTextLeft;
    Progress_Pan->SetBevelOuter(ui::TBevelCut::bvNone);
    Progress_Pan->SetColor(ui::clWhite);
    Progress_Pan->SetBounds(kTextLeft, Btn_Right_Pan->Top() - 80, width, kProgressHeight);
    const auto deep = static_cast<ui::TColor>(TMainForm::Palette[11]);
    const auto light = static_cast<ui::TColor>(TMainForm::Palette[12]);
    const auto percentColor = static_cast<ui::TColor>(TMainForm::Palette[8]);

    struct Bar {
        TLabel *deepLab, *lightLab, *percentLab;
        TImage *bar, *percentBk;
        int height, percentHeight, fontHeight, barSkin, percentSkin;
    };
    const Bar bars[] = {{Progress_Total_BK_Deep_Lab, Progress_Total_BK_Light_Lab, Progress_Total_Percent_Lab,
                         Progress_Total_Bar_Img, Progress_Total_Percent_BK_Img, 18, 16, 15, 23044, 23045},
                        {Progress_File_BK_Deep_Lab, Progress_File_BK_Light_Lab, Progress_File_Percent_Lab,
                         Progress_File_Bar_Img, Progress_File_Percent_BK_Img, 12, 10, 12, 23046, 23047}};
    TLabel* textAbove[] = {Progress_Total_RemainTime_Lab, Progress_File_Path_Lab};
    int bottom = kProgressHeight;
    for (int i = 0; i < 2; ++i) {
        const Bar& b = bars[i];
        const int top = bottom - b.height;
        BarLabel(b.deepLab, 0, top, width, b.height, deep);
        b.percentBk->SetBounds(width - 40 - 1, top + 1, 40, b.percentHeight);
        LoadPngResource(b.percentBk, b.percentSkin);
        BarLabel(b.lightLab, 1, top + 1, b.percentBk->Left() - 1, b.percentHeight, light);
        b.bar->SetStretch(true);
        b.bar->SetBounds(1, top + 1, 0, b.percentHeight);
        LoadPngResource(b.bar, b.barSkin);
        TextLabel(b.percentLab, b.fontHeight, percentColor);
        b.percentLab->SetBounds(b.percentBk->Left(), b.percentBk->Top(), 40, b.percentHeight);
        b.percentLab->SetAlignment(ui::TAlignment::taCenter);
        b.percentLab->SetLayout(ui::TTextLayout::tlCenter);
        b.percentLab->SetCaption(u"0 %");
        b.percentLab->BringToFront();
        TextLabel(textAbove[i], 12, percentColor);
        textAbove[i]->SetBounds(0, top - 16, width, 16);
        textAbove[i]->SetCaption(u"");
        bottom = top - 16 - 5;
    }
    Progress_File_Path_Lab->SetEllipsisPosition(ui::TEllipsisPosition::epPathEllipsis);
    BarTrackWidth = Progress_Total_BK_Light_Lab->Width();
}

void TAutoStartForm::BindHandlers()
{
    OnActivate = [this](TObject* s) { FormActivate(s); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { FormMouseMove(s, sh, x, y); };
    for (TControl* control : std::initializer_list<TControl*>{Underlay_Img, VemoLogo_Img, Step1_Img, Step2_Img,
                                                              Step3_Img, Step_Title_Lab, Step_Des_Lab, Act_Ico_Img,
                                                              CountDown_Lab, Scan_ShowFileName_Lab, Progress_Pan}) {
        control->OnMouseMove = OnMouseMove;
    }
    for (TImage* image : {MainBK_Left_Img, MainBK_Center, MainBK_Right_Img}) {
        image->OnMouseMove = OnMouseMove;
        image->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
            MainBK_CenterMouseDown(s, b, sh, x, y);
        };
    }
    ActTimer->OnTimer = [this](TObject* s) { ActTimerTimer(s); };
    LB_Btn_Lab->OnClick = [this](TObject* s) { LB_Btn_LabClick(s); };
    RB_Btn_Lab->OnClick = [this](TObject* s) { RB_Btn_LabClick(s); };
    LB_Btn_Lab->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { LB_Btn_LabMouseMove(s, sh, x, y); };
    RB_Btn_Lab->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { RB_Btn_LabMouseMove(s, sh, x, y); };
    LB_Btn_Lab->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        LB_Btn_LabMouseDown(s, b, sh, x, y);
    };
    RB_Btn_Lab->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        RB_Btn_LabMouseDown(s, b, sh, x, y);
    };
    LB_Btn_Lab->OnMouseLeave = [this](TObject* s) { LB_Btn_LabMouseLeave(s); };
    RB_Btn_Lab->OnMouseLeave = [this](TObject* s) { RB_Btn_LabMouseLeave(s); };
}

void TAutoStartForm::FormCreate(TObject*)
{
    RemainingSeconds = Main().AutoStartSeconds;
    CountDown_Lab->SetCaption(DecimalText(RemainingSeconds));
    const ui::TBiDiMode mode =
        Main().LangId == kRtlLangId ? ui::TBiDiMode::bdRightToLeft : ui::TBiDiMode::bdLeftToRight;
    for (TLabel* label : {Step_Des_Lab, RB_Btn_Lab, LB_Btn_Lab}) {
        label->SetBiDiMode(mode);
    }
}

void TAutoStartForm::FormActivate(TObject*)
{
    ActTimer->SetEnabled(true);
}

void TAutoStartForm::FormClose(TObject*, TCloseAction&)
{
    ActTimer->SetEnabled(false);
}

void TAutoStartForm::StartBackup()
{
    ActTimer->SetEnabled(false);
    ShowAutoStartScanning(*this);
    RefreshAfterDeviceChange(Main());
    PumpPendingMessages();
    TMainForm& main = Main();
    CloseFinishedProgressPanel(main);
    StartEasyBackup(main, TargetPath, Scan_ShowFileName_Lab, main.EasyBackupCategories, Progress_File_Path_Lab);
    // A refused start (no drive, no room, no category) or a finished run leaves nothing to show.
    if (main.AutoStartShowing == 1 && main.AutoStartWindow == this) {
        CloseAutoStartCountdown(main);
    }
}

void TAutoStartForm::ActTimerTimer(TObject*)
{
    PumpPendingMessages();
    if (Cancelled) {
        ActTimer->SetEnabled(false);
        return;
    }
    if (AutoStartStep != 1) {
        return;
    }
    if (StartNow == 1 || RemainingSeconds <= 0) {
        StartNow = 0;
        RemainingSeconds = -1;
        StartBackup();
        return;
    }
    --RemainingSeconds;
    CountDown_Lab->SetCaption(DecimalText(RemainingSeconds));
}

void TAutoStartForm::LB_Btn_LabClick(TObject*)
{
    StartNow = 1;
    RemainingSeconds = -1;
    StartBackup();
}

void TAutoStartForm::RB_Btn_LabClick(TObject*)
{
    ActTimer->SetEnabled(false);
    TMainForm& main = Main();
    main.CancelAsking = 1;
    const BYTE answer = main.AskQuestion(LangText(kTextCancelQuestion));
    main.CancelAsking = 0;
    // Closed while asking (its drive went): the question went with it and nothing resumes.
    if (ModalResult() != ui::mrNone) {
        return;
    }
    if (answer == 1) {
        Cancelled = 1;
        main.CancelRequested = 1;
        Close();
        return;
    }
    if (AutoStartStep == 1) {
        ActTimer->SetEnabled(true);
    }
}

void TAutoStartForm::FormMouseMove(TObject*, TShiftState, int, int)
{
    ShowButtonLook(LeftButton(), ButtonLook::Normal);
    ShowButtonLook(RightButton(), ButtonLook::Normal);
}

void TAutoStartForm::MainBK_CenterMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    DragWindow(this);
}

void TAutoStartForm::LB_Btn_LabMouseMove(TObject* s, TShiftState shift, int x, int y)
{
    FormMouseMove(s, shift, x, y);
    if (!shift.LeftHeld()) {
        ShowButtonLook(LeftButton(), ButtonLook::Hover);
    }
}

void TAutoStartForm::LB_Btn_LabMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowButtonLook(LeftButton(), ButtonLook::Pressed);
}

void TAutoStartForm::LB_Btn_LabMouseLeave(TObject*)
{
    ShowButtonLook(LeftButton(), ButtonLook::Normal);
}

void TAutoStartForm::RB_Btn_LabMouseMove(TObject* s, TShiftState shift, int x, int y)
{
    FormMouseMove(s, shift, x, y);
    if (!shift.LeftHeld()) {
        ShowButtonLook(RightButton(), ButtonLook::Hover);
    }
}

void TAutoStartForm::RB_Btn_LabMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowButtonLook(RightButton(), ButtonLook::Pressed);
}

void TAutoStartForm::RB_Btn_LabMouseLeave(TObject*)
{
    ShowButtonLook(RightButton(), ButtonLook::Normal);
}

void ShowAutoStartScanning(TAutoStartForm& window)
{
    ShowStep(window, 2);
}

void ShowAutoStartBackingUp(TAutoStartForm& window)
{
    ShowStep(window, 3);
}

void ShowAutoStartCountdown(TMainForm& form, const std::u16string& root)
{
    if (form.AutoStartWindow != nullptr) {
        form.AutoStartWindow->Free();
        form.AutoStartWindow = nullptr;
    }
    form.AutoStartShowing = 1;
    form.AutoStartPath = root;
    auto* window = new TAutoStartForm(ui::Application);
    window->AfterConstruction();
    form.AutoStartWindow = window;
    window->TargetPath = form.AutoStartPath;
    window->ShowModal();
    window->Free();
    if (form.AutoStartWindow == window) {
        form.AutoStartWindow = nullptr;
    }
    form.AutoStartShowing = 0;
}

void CloseAutoStartCountdown(TMainForm& form)
{
    form.AutoStartShowing = 0;
    if (form.AutoStartWindow != nullptr) {
        ui::Application->EndModalsAbove(*form.AutoStartWindow);
        form.AutoStartWindow->Close();
    }
    form.CancelRequested = 1;
}
