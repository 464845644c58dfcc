#include "backup/window/device/SchMsgWin.h"

#include "backup/base/Language.h"
#include "backup/base/TextFormat.h"
#include "backup/skin/ControlFactory.h"
#include "backup/window/frame/MainWin.h"

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 156;
constexpr int kEdgeWidth = 10;
constexpr int kFontHeight = 15;
constexpr unsigned kCountdownIntervalMs = 1000;

void LayoutLine(TLabel* label, int top, int height, int charset)
{
    label->SetAutoSize(false);
    label->SetBounds(kEdgeWidth, top, kWidth - kEdgeWidth - 10, height);
    label->SetAlignment(ui::TAlignment::taCenter);
    label->SetLayout(ui::TTextLayout::tlCenter);
    label->Font().SetColor(ui::clBlack);
    label->Font().SetHeight(kFontHeight);
    label->Font().SetCharset(charset);
    label->SetTransparent(true);
    label->BringToFront();
}

}  // namespace

TSchMsgForm::TSchMsgForm(TComponent* owner) : TSkinBoxForm(owner)
{
    CreateControls();
    Layout(MainForm != nullptr ? MainForm->FontCharset : ui::DEFAULT_CHARSET);
    BindHandlers();
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
}

void TSchMsgForm::CreateControls()
{
    SetName("SchMsgForm");
    CreateBackground();
    Msg_Lab = NewControl<TLabel>(this, "Msg_Lab", this);
    Sch_Title_Lab = NewControl<TLabel>(this, "Sch_Title_Lab", this);
    Sch_Time_Lab = NewControl<TLabel>(this, "Sch_Time_Lab", this);
    Sch_BacType_Lab = NewControl<TLabel>(this, "Sch_BacType_Lab", this);
    Sch_Countdown_Lab = NewControl<TLabel>(this, "Sch_Countdown_Lab", this);
    CreateButtons();
    CountDown_Timer = NewComponent<TTimer>(this, "CountDown_Timer");
    CountDown_Timer->SetEnabled(false);
}

void TSchMsgForm::Layout(int charset)
{
    LayoutBox(kWidth, kHeight);
    Msg_Lab->SetCaption(u"");
    Msg_Lab->SetTransparent(true);

    LayoutLine(Sch_Title_Lab, 10, 32, charset);
    Sch_Title_Lab->SetCaption(MainForm != nullptr ? LookupText(*MainForm->LangTable, 20078) : std::u16string());
    Sch_Title_Lab->Font().SetStyle(ui::TFontStyle::fsBold);
    Sch_Title_Lab->SetWordWrap(true);
    LayoutLine(Sch_Time_Lab, Sch_Title_Lab->Top() + Sch_Title_Lab->Height() + 5, 20, charset);
    LayoutLine(Sch_BacType_Lab, Sch_Time_Lab->Top() + Sch_Time_Lab->Height(), 20, charset);
    LayoutLine(Sch_Countdown_Lab, Sch_BacType_Lab->Top() + Sch_BacType_Lab->Height(), 20, charset);
    Sch_Countdown_Lab->SetCaption(DecimalText(Countdown));

    CountDown_Timer->SetInterval(kCountdownIntervalMs);

    LayoutButtons(charset);
    Btn_Center_Pan->Hide();
}

void TSchMsgForm::BindButton(const SkinButtonParts& button)
{
    button.Lab->OnMouseMove = [this, button](TObject*, TShiftState shift, int, int) { HoverButton(button, shift); };
    button.Lab->OnMouseDown = [button](TObject*, TMouseButton, TShiftState, int, int) {
        ShowButtonLook(button, ButtonLook::Pressed);
    };
}

void TSchMsgForm::BindHandlers()
{
    OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { FormMouseMove(s, sh, x, y); };
    const std::initializer_list<TControl*> background = {Main_BG_Line_Img, Msg_Lab,          Main_BG_Left_Img,
                                                         Main_BG_Right,    Sch_Title_Lab,    Sch_Time_Lab,
                                                         Sch_BacType_Lab,  Sch_Countdown_Lab};
    for (TControl* control : background) {
        control->OnMouseMove = OnMouseMove;
        control->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
            Main_BG_Line_ImgMouseDown(s, b, sh, x, y);
        };
    }
    BindButton(LeftButton());
    BindButton(RightButton());
    BindButton(CenterButton());
    LB_Btn_Lab->OnClick = [this](TObject* s) { LB_Btn_LabClick(s); };
    RB_Btn_Lab->OnClick = [this](TObject* s) { RB_Btn_LabClick(s); };
    CB_Btn_Lab->OnClick = [this](TObject* s) { CB_Btn_LabClick(s); };
    CountDown_Timer->OnTimer = [this](TObject* s) { CountDown_TimerTimer(s); };
}

void TSchMsgForm::FormCreate(TObject*)
{
    CountDown_Timer->SetEnabled(true);
    const bool rightToLeft = MainForm != nullptr && MainForm->LangId == kRtlLangId;
    const ui::TBiDiMode mode = rightToLeft ? ui::TBiDiMode::bdRightToLeftReadingOnly : ui::TBiDiMode::bdLeftToRight;
    for (TLabel* lab : {Sch_Title_Lab, Sch_Time_Lab, Sch_BacType_Lab, LB_Btn_Lab, RB_Btn_Lab, CB_Btn_Lab}) {
        lab->SetBiDiMode(mode);
    }
}

void TSchMsgForm::CountDown_TimerTimer(TObject*)
{
    --Countdown;
    Sch_Countdown_Lab->SetCaption(DecimalText(Countdown));
    if (Countdown <= 0) {
        CountDown_Timer->SetEnabled(false);
        Accepted = 1;
        Close();
    }
}

void TSchMsgForm::FormMouseMove(TObject*, TShiftState, int, int)
{
    ResetButtonLooks();
}

void TSchMsgForm::Main_BG_Line_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    DragWindow(this);
}

void TSchMsgForm::LB_Btn_LabClick(TObject*)
{
    Accepted = 1;
    Close();
}

void TSchMsgForm::RB_Btn_LabClick(TObject*)
{
    Accepted = 0;
    Close();
}

void TSchMsgForm::CB_Btn_LabClick(TObject*)
{
    Close();
}
