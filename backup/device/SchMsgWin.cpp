#include "backup/device/SchMsgWin.h"

#include "backup/frame/ControlFactory.h"
#include "backup/frame/Language.h"
#include "backup/frame/MainWin.h"
#include "backup/frame/MsgWin.h"
#include "backup/frame/ResourceLoaders.h"
#include "backup/frame/TextFormat.h"

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 156;
constexpr int kEdgeWidth = 10;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 25;
constexpr int kWindowCorner = 20;
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

TSchMsgForm::TSchMsgForm(TComponent* owner) : TForm(owner)
{
    CreateControls();
    Layout(MainForm != nullptr ? MainForm->FontCharset : ui::DEFAULT_CHARSET);
    BindHandlers();
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
}

void TSchMsgForm::CreateControls()
{
    SetName("SchMsgForm");
    Main_BG_Left_Img = NewControl<TImage>(this, "Main_BG_Left_Img", this);
    Main_BG_Line_Img = NewControl<TImage>(this, "Main_BG_Line_Img", this);
    Main_BG_Right = NewControl<TImage>(this, "Main_BG_Right", this);
    Msg_Lab = NewControl<TLabel>(this, "Msg_Lab", this);
    Sch_Title_Lab = NewControl<TLabel>(this, "Sch_Title_Lab", this);
    Sch_Time_Lab = NewControl<TLabel>(this, "Sch_Time_Lab", this);
    Sch_BacType_Lab = NewControl<TLabel>(this, "Sch_BacType_Lab", this);
    Sch_Countdown_Lab = NewControl<TLabel>(this, "Sch_Countdown_Lab", this);
    const SkinButtonParts left = CreateSkinButton(this, this, "Btn_Left_Pan", "LB");
    Btn_Left_Pan = left.Pan, LB_BK_Left_Img = left.Left, LB_BK_Center_Img = left.Center;
    LB_BK_Right_Img = left.Right, LB_Btn_Lab = left.Lab;
    const SkinButtonParts right = CreateSkinButton(this, this, "Btn_Right_Pan", "RB");
    Btn_Right_Pan = right.Pan, RB_BK_Left_Img = right.Left, RB_BK_Center_Img = right.Center;
    RB_BK_Right_Img = right.Right, RB_Btn_Lab = right.Lab;
    const SkinButtonParts center = CreateSkinButton(this, this, "Btn_Center_Pan", "CB");
    Btn_Center_Pan = center.Pan, CB_BK_Left_Img = center.Left, CB_BK_Center_Img = center.Center;
    CB_BK_Right_Img = center.Right, CB_Btn_Lab = center.Lab;
    CountDown_Timer = NewComponent<TTimer>(this, "CountDown_Timer");
    CountDown_Timer->SetEnabled(false);
}

void TSchMsgForm::Layout(int charset)
{
    SetBorderStyle(ui::TFormBorderStyle::bsNone);
    SetDoubleBuffered(true);
    SetBounds(0, 0, kWidth, kHeight);
    SetColor(ui::clWhite);
    SetPosition(ui::TPosition::poMainFormCenter);
    SetRoundRegion(kWindowCorner, kWindowCorner);

    for (TImage* image : {Main_BG_Left_Img, Main_BG_Line_Img, Main_BG_Right}) {
        image->SetStretch(true);
    }
    Main_BG_Left_Img->SetBounds(0, 0, kEdgeWidth, kHeight);
    LoadPngResource(Main_BG_Left_Img, 24000);
    Main_BG_Right->SetBounds(kWidth - kEdgeWidth - 1, 0, kEdgeWidth, kHeight);
    LoadPngResource(Main_BG_Right, 24002);
    Main_BG_Line_Img->SetBounds(kEdgeWidth, 0, Main_BG_Right->Left() - kEdgeWidth, kHeight);
    LoadPngResource(Main_BG_Line_Img, 24001);
    for (TImage* image : {Main_BG_Left_Img, Main_BG_Line_Img, Main_BG_Right}) {
        image->SendToBack();
    }
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

    const int top = kHeight - kButtonHeight - 9;
    const int rightLeft = kWidth / 2 + 2;
    LayoutSkinButton(RightButton(), rightLeft, top, ButtonCornerSize, charset, u"No");
    LayoutSkinButton(CenterButton(), (kWidth - kButtonWidth) / 2, top, ButtonCornerSize, charset, u"OK");
    Btn_Center_Pan->Hide();
    LayoutSkinButton(LeftButton(), rightLeft - kButtonWidth - 4, top, ButtonCornerSize, charset, u"Yes");
}

void TSchMsgForm::BindButton(const SkinButtonParts& button)
{
    button.Lab->OnMouseMove = [this, button](TObject*, TShiftState shift, int, int) {
        if (!shift.LeftHeld()) {
            ResetButtonLooks();
            ShowButtonLook(button, ButtonLook::Hover);
        }
    };
    button.Lab->OnMouseDown = [button](TObject*, TMouseButton, TShiftState, int, int) {
        ShowButtonLook(button, ButtonLook::Pressed);
    };
}

void TSchMsgForm::BindHandlers()
{
    OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { FormMouseMove(s, sh, x, y); };
    const std::initializer_list<TControl*> background = {Main_BG_Line_Img, Msg_Lab,      Main_BG_Left_Img,
                                                         Main_BG_Right,    Sch_Title_Lab, Sch_Time_Lab,
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

SkinButtonParts TSchMsgForm::LeftButton() const
{
    return {Btn_Left_Pan, LB_BK_Left_Img, LB_BK_Center_Img, LB_BK_Right_Img, LB_Btn_Lab};
}

SkinButtonParts TSchMsgForm::RightButton() const
{
    return {Btn_Right_Pan, RB_BK_Left_Img, RB_BK_Center_Img, RB_BK_Right_Img, RB_Btn_Lab};
}

SkinButtonParts TSchMsgForm::CenterButton() const
{
    return {Btn_Center_Pan, CB_BK_Left_Img, CB_BK_Center_Img, CB_BK_Right_Img, CB_Btn_Lab};
}

void TSchMsgForm::ResetButtonLooks()
{
    ShowButtonLook(LeftButton(), ButtonLook::Normal);
    ShowButtonLook(RightButton(), ButtonLook::Normal);
    ShowButtonLook(CenterButton(), ButtonLook::Normal);
}
