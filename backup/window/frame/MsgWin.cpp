#include "backup/window/frame/MsgWin.h"

#include "backup/base/Language.h"
#include "backup/skin/ControlFactory.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"

namespace {

constexpr int kWidth = 350;
constexpr int kHeight = 156;
constexpr int kIconSize = 55;

}  // namespace

TMsgForm::TMsgForm(TComponent* owner) : TSkinBoxForm(owner)
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
    CreateBackground();
    Msg_Ico_Img = NewControl<TImage>(this, "Msg_Ico_Img", this);
    Msg_Lab = NewControl<TLabel>(this, "Msg_Lab", this);
    CreateButtons();
}

void TMsgForm::Layout(int charset, bool rightToLeft)
{
    LayoutBox(kWidth, kHeight);

    Msg_Ico_Img->SetStretch(true);
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

    LayoutButtons(charset);

    if (rightToLeft) {
        Msg_Ico_Img->SetLeft(Width() - kIconSize - 10);
        Msg_Lab->SetLeft(10);
        Msg_Lab->SetWidth(Msg_Ico_Img->Left() - 10 - 10);
        const int buttonWidth = Btn_Right_Pan->Width();
        Btn_Right_Pan->SetLeft(Width() / 2 - buttonWidth - 2);
        Btn_Left_Pan->SetLeft(Btn_Right_Pan->Left() + buttonWidth + 4);
    }
}

void TMsgForm::BindHandlers()
{
    for (TControl* control :
         std::initializer_list<TControl*>{Main_BG_Line_Img, Msg_Ico_Img, Msg_Lab, Main_BG_Left_Img, Main_BG_Right}) {
        control->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) {
            Main_BG_Line_ImgMouseMove(s, sh, x, y);
        };
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
    OnKeyDown = [this](TObject*, WORD& key, TShiftState) { HandleBoxKey(key); };
}

void TMsgForm::FormCreate(TObject*)
{
    const bool rightToLeft = MainForm != nullptr && MainForm->LangId == kRtlLangId;
    Msg_Lab->SetBiDiMode(rightToLeft ? ui::TBiDiMode::bdRightToLeft : ui::TBiDiMode::bdLeftToRight);
    for (TLabel* lab : {LB_Btn_Lab, RB_Btn_Lab, CB_Btn_Lab}) {
        lab->SetBiDiMode(rightToLeft ? ui::TBiDiMode::bdRightToLeftReadingOnly : ui::TBiDiMode::bdLeftToRight);
    }
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
