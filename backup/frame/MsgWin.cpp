#include "backup/frame/MsgWin.h"

#include "backup/frame/ControlFactory.h"
#include "backup/frame/Language.h"
#include "backup/frame/MainWin.h"
#include "backup/frame/ResourceLoaders.h"
#include "ui/windows.h"

namespace {

constexpr int kWidth = 350;
constexpr int kHeight = 156;
constexpr int kEdgeWidth = 10;
constexpr int kIconSize = 55;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 25;
constexpr int kButtonBottomGap = 9;
constexpr int kWindowCorner = 20;

}  // namespace

TMsgForm::TMsgForm(TComponent* owner) : TForm(owner)
{
    CreateControls();
    const int charset = MainForm != nullptr ? MainForm->FontCharset : ui::DEFAULT_CHARSET;
    const bool rightToLeft = MainForm != nullptr && MainForm->LangId == kRtlLangId;
    Layout(charset, rightToLeft);
    BindHandlers();
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
}

void TMsgForm::CreateControls()
{
    SetName("MsgForm");
    Main_BG_Left_Img = NewControl<TImage>(this, "Main_BG_Left_Img", this);
    Main_BG_Line_Img = NewControl<TImage>(this, "Main_BG_Line_Img", this);
    Main_BG_Right = NewControl<TImage>(this, "Main_BG_Right", this);
    Msg_Ico_Img = NewControl<TImage>(this, "Msg_Ico_Img", this);
    Msg_Lab = NewControl<TLabel>(this, "Msg_Lab", this);
    auto assign = [](const SkinButtonParts& parts, TPanel*& pan, TImage*& left, TImage*& center, TImage*& right,
                     TLabel*& lab) {
        pan = parts.Pan;
        left = parts.Left;
        center = parts.Center;
        right = parts.Right;
        lab = parts.Lab;
    };
    assign(CreateSkinButton(this, this, "Btn_Left_Pan", "LB"), Btn_Left_Pan, LB_BK_Left_Img, LB_BK_Center_Img,
           LB_BK_Right_Img, LB_Btn_Lab);
    assign(CreateSkinButton(this, this, "Btn_Right_Pan", "RB"), Btn_Right_Pan, RB_BK_Left_Img, RB_BK_Center_Img,
           RB_BK_Right_Img, RB_Btn_Lab);
    assign(CreateSkinButton(this, this, "Btn_Center_Pan", "CB"), Btn_Center_Pan, CB_BK_Left_Img, CB_BK_Center_Img,
           CB_BK_Right_Img, CB_Btn_Lab);
}

void TMsgForm::Layout(int charset, bool rightToLeft)
{
    SetBorderStyle(ui::TFormBorderStyle::bsNone);
    SetDoubleBuffered(true);
    SetBounds(0, 0, kWidth, kHeight);
    SetColor(ui::clWhite);
    SetPosition(ui::TPosition::poMainFormCenter);
    SetRoundRegion(kWindowCorner, kWindowCorner);

    for (TImage* image : {Main_BG_Left_Img, Main_BG_Line_Img, Main_BG_Right, Msg_Ico_Img}) {
        image->SetStretch(true);
    }
    Main_BG_Left_Img->SetBounds(0, 0, kEdgeWidth, kHeight);
    LoadPngResource(Main_BG_Left_Img, 24000);
    Main_BG_Right->SetBounds(Width() - kEdgeWidth - 1, 0, kEdgeWidth, kHeight);
    LoadPngResource(Main_BG_Right, 24002);
    Main_BG_Line_Img->SetBounds(kEdgeWidth, 0, Main_BG_Right->Left() - kEdgeWidth, kHeight);
    LoadPngResource(Main_BG_Line_Img, 24001);
    for (TImage* image : {Main_BG_Left_Img, Main_BG_Line_Img, Main_BG_Right}) {
        image->SendToBack();
    }

    Msg_Ico_Img->SetBounds(10, 10, kIconSize, kIconSize);
    LoadPngResource(Msg_Ico_Img, 24021);

    const int labelLeft = Msg_Ico_Img->Left() + Msg_Ico_Img->Width() + 10;
    const int labelTop = Msg_Ico_Img->Top() + 12;
    Msg_Lab->SetAutoSize(false);
    Msg_Lab->SetBounds(labelLeft, labelTop, Width() - labelLeft - 10, Height() - labelTop - 40);
    Msg_Lab->SetWordWrap(true);
    Msg_Lab->SetTransparent(true);
    Msg_Lab->SetCaption(u"...");
    Msg_Lab->Font().SetColor(ui::clBlack);
    Msg_Lab->Font().SetHeight(16);
    Msg_Lab->Font().SetCharset(charset);
    Msg_Lab->BringToFront();

    const int buttonTop = Height() - kButtonHeight - kButtonBottomGap;
    const int rightLeft = Width() / 2 + 2;
    LayoutSkinButton(RightButton(), rightLeft, buttonTop, ButtonCornerSize, charset, u"No");
    LayoutSkinButton(CenterButton(), (Width() - kButtonWidth) / 2, buttonTop, ButtonCornerSize, charset, u"OK");
    LayoutSkinButton(LeftButton(), rightLeft - kButtonWidth - 4, buttonTop, ButtonCornerSize, charset, u"Yes");

    if (rightToLeft) {
        Msg_Ico_Img->SetLeft(Width() - kIconSize - 10);
        Msg_Lab->SetLeft(10);
        Msg_Lab->SetWidth(Msg_Ico_Img->Left() - 10 - 10);
        Btn_Right_Pan->SetLeft(Width() / 2 - kButtonWidth - 2);
        Btn_Left_Pan->SetLeft(Btn_Right_Pan->Left() + kButtonWidth + 4);
    }
}

void TMsgForm::BindHandlers()
{
    for (TControl* control : std::initializer_list<TControl*>{Main_BG_Line_Img, Msg_Ico_Img, Msg_Lab,
                                                               Main_BG_Left_Img, Main_BG_Right}) {
        control->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { Main_BG_Line_ImgMouseMove(s, sh, x, y); };
    }
    for (TControl* control :
         std::initializer_list<TControl*>{Main_BG_Line_Img, Msg_Lab, Main_BG_Left_Img, Main_BG_Right}) {
        control->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
            Main_BG_Line_ImgMouseDown(s, b, sh, x, y);
        };
    }
    LB_Btn_Lab->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { LB_Btn_LabMouseMove(s, sh, x, y); };
    RB_Btn_Lab->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { RB_Btn_LabMouseMove(s, sh, x, y); };
    CB_Btn_Lab->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { CB_Btn_LabMouseMove(s, sh, x, y); };
    LB_Btn_Lab->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        LB_Btn_LabMouseDown(s, b, sh, x, y);
    };
    RB_Btn_Lab->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        RB_Btn_LabMouseDown(s, b, sh, x, y);
    };
    CB_Btn_Lab->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        CB_Btn_LabMouseDown(s, b, sh, x, y);
    };
    LB_Btn_Lab->OnClick = [this](TObject* s) { LB_Btn_LabClick(s); };
    RB_Btn_Lab->OnClick = [this](TObject* s) { RB_Btn_LabClick(s); };
    CB_Btn_Lab->OnClick = [this](TObject* s) { CB_Btn_LabClick(s); };
    // Escape closes the box as the window's close command does: no answer.
    OnKeyDown = [this](TObject*, WORD& key, TShiftState) {
        if (key == VK_ESCAPE) {
            Close();
        }
    };
}

void TMsgForm::FormCreate(TObject*)
{
    const bool rightToLeft = MainForm != nullptr && MainForm->LangId == kRtlLangId;
    Msg_Lab->SetBiDiMode(rightToLeft ? ui::TBiDiMode::bdRightToLeft : ui::TBiDiMode::bdLeftToRight);
    for (TLabel* lab : {LB_Btn_Lab, RB_Btn_Lab, CB_Btn_Lab}) {
        lab->SetBiDiMode(rightToLeft ? ui::TBiDiMode::bdRightToLeftReadingOnly : ui::TBiDiMode::bdLeftToRight);
    }
}

SkinButtonParts TMsgForm::LeftButton() const
{
    return {Btn_Left_Pan, LB_BK_Left_Img, LB_BK_Center_Img, LB_BK_Right_Img, LB_Btn_Lab};
}

SkinButtonParts TMsgForm::RightButton() const
{
    return {Btn_Right_Pan, RB_BK_Left_Img, RB_BK_Center_Img, RB_BK_Right_Img, RB_Btn_Lab};
}

SkinButtonParts TMsgForm::CenterButton() const
{
    return {Btn_Center_Pan, CB_BK_Left_Img, CB_BK_Center_Img, CB_BK_Right_Img, CB_Btn_Lab};
}

void TMsgForm::ResetButtonLooks()
{
    ShowButtonLook(LeftButton(), ButtonLook::Normal);
    ShowButtonLook(RightButton(), ButtonLook::Normal);
    ShowButtonLook(CenterButton(), ButtonLook::Normal);
}

void TMsgForm::HoverButton(const SkinButtonParts& button, TShiftState shift)
{
    if (shift.LeftHeld()) {
        return;
    }
    ResetButtonLooks();
    ShowButtonLook(button, ButtonLook::Hover);
}

void TMsgForm::Main_BG_Line_ImgMouseMove(TObject*, TShiftState, int, int)
{
    ResetButtonLooks();
}

void TMsgForm::Main_BG_Line_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    DragWindow(this);
}

void TMsgForm::LB_Btn_LabMouseMove(TObject*, TShiftState Shift, int, int)
{
    HoverButton(LeftButton(), Shift);
}

void TMsgForm::RB_Btn_LabMouseMove(TObject*, TShiftState Shift, int, int)
{
    HoverButton(RightButton(), Shift);
}

void TMsgForm::CB_Btn_LabMouseMove(TObject*, TShiftState Shift, int, int)
{
    HoverButton(CenterButton(), Shift);
}

void TMsgForm::LB_Btn_LabMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowButtonLook(LeftButton(), ButtonLook::Pressed);
}

void TMsgForm::RB_Btn_LabMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowButtonLook(RightButton(), ButtonLook::Pressed);
}

void TMsgForm::CB_Btn_LabMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowButtonLook(CenterButton(), ButtonLook::Pressed);
}

void TMsgForm::LB_Btn_LabClick(TObject*)
{
    MsgResult = 1;
    Close();
}

void TMsgForm::RB_Btn_LabClick(TObject*)
{
    MsgResult = 0;
    Close();
}

void TMsgForm::CB_Btn_LabClick(TObject*)
{
    Close();
}

bool TextExceedsWidth(TLabel* label, const std::u16string& text, int limit)
{
    ui::TFont canvasFont;
    canvasFont.SetCharset(label->Font().Charset());
    canvasFont.SetName(label->Font().Name());
    canvasFont.SetHeight(label->Font().Height());
    return canvasFont.TextWidth(text) > limit;
}

void DragWindow(TForm* form)
{
    ReleaseCapture();
    form->BeginMoveDrag();
    ui::Application->ProcessMessages();
}
