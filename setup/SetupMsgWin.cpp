#include "setup/SetupMsgWin.h"

#include "backup/base/Language.h"
#include "backup/skin/ControlFactory.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/skin/SkinBox.h"
#include "setup/MainWin.h"
#include "setup/SetupLanguage.h"

#include <memory>

namespace setup {
namespace {

constexpr int W = 350;
constexpr int H = 150;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 23;

constexpr int kErrorIcon = 22001;
constexpr int kInformationIcon = 22002;
constexpr int kQuestionIcon = 22003;
constexpr int kWarningIcon = 22004;

int Charset()
{
    return MainForm != nullptr ? MainForm->FontCharset : ui::DEFAULT_CHARSET;
}

TColor HoverColor()
{
    return MainForm != nullptr ? MainForm->WizardPalette[0] : ui::clBlack;
}

bool MirroredLanguage()
{
    return MainForm != nullptr && MainForm->LangId == kRtlLangId;
}

TLabel* NewOpaque(TSetupMsgForm* form, std::string name, int left, int top, int width, int height, TColor color)
{
    auto* band = NewControl<TLabel>(form, std::move(name), form);
    band->SetAutoSize(false);
    band->SetBounds(left, top, width, height);
    band->SetTransparent(false);
    band->SetColor(color);
    return band;
}

}  // namespace

TSetupMsgForm::TSetupMsgForm(TComponent* owner) : TForm(owner)
{
    SetName("SetupMsgForm");
    Layout();
    if (MirroredLanguage()) {
        MirrorLayout();
    }
    BindHandlers();
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
}

void TSetupMsgForm::Layout()
{
    SetBorderStyle(ui::TFormBorderStyle::bsNone);
    SetPosition(ui::TPosition::poMainFormCenter);
    SetBounds(0, 0, W, H);
    SetDoubleBuffered(true);
    SetVisible(false);

    Main_BK_Black_Lab = NewOpaque(this, "Main_BK_Black_Lab", 0, 0, W, H, ui::clBlack);
    Main_BK_Black_Lab->SendToBack();
    Top_BK_Lab = NewOpaque(this, "Top_BK_Lab", 1, 1, W - 2, 18, HoverColor());

    Top_Title_Lab = NewControl<TLabel>(this, "Top_Title_Lab", this);
    Top_Title_Lab->SetAutoSize(false);
    Top_Title_Lab->SetBounds(9, 1, W - 9 - 18, 18);
    Top_Title_Lab->SetTransparent(true);
    Top_Title_Lab->SetLayout(ui::TTextLayout::tlCenter);
    Top_Title_Lab->Font().SetColor(ui::clWhite);
    Top_Title_Lab->Font().SetHeight(15);
    Top_Title_Lab->Font().SetCharset(Charset());
    const std::u16string title = MainForm != nullptr ? MainForm->Top_Title_Lab->Caption() : std::u16string();
    Top_Title_Lab->SetCaption(title);
    Top_Title_Lab->BringToFront();

    const int bodyTop = Top_BK_Lab->Top() + Top_BK_Lab->Height();
    Main_BK_White_Lab = NewOpaque(this, "Main_BK_White_Lab", 1, bodyTop, W - 2, H - bodyTop - 1, ui::clWhite);

    MsgLogo_Img = NewControl<TImage>(this, "MsgLogo_Img", this);
    MsgLogo_Img->SetBounds(22, bodyTop + 20, kIconSize, kIconSize);
    MsgLogo_Img->SetStretch(true);
    MsgLogo_Img->SetTransparent(true);
    LoadPngResource(MsgLogo_Img, kWarningIcon);

    Msg_Lab = NewControl<TLabel>(this, "Msg_Lab", this);
    Msg_Lab->SetAutoSize(false);
    const int textLeft = MsgLogo_Img->Left() + kIconSize + 10;
    Msg_Lab->SetBounds(textLeft, MsgLogo_Img->Top() + 8, W - textLeft - 11, 45);
    Msg_Lab->SetWordWrap(true);
    Msg_Lab->SetTransparent(true);
    Msg_Lab->Font().SetColor(ui::clBlack);
    Msg_Lab->Font().SetHeight(15);
    Msg_Lab->Font().SetCharset(Charset());
    Msg_Lab->SetCaption(title);
    Msg_Lab->BringToFront();

    Btn_Right_Pan = NewButton("Btn_Right_Pan", "RB_Btn_Lab", RB_Btn_Lab, W / 2 + 5, u"No");
    Btn_Left_Pan =
        NewButton("Btn_Left_Pan", "LB_Btn_Lab", LB_Btn_Lab, Btn_Right_Pan->Left() - kButtonWidth - 10, u"Yes");
}

TPanel* TSetupMsgForm::NewButton(const std::string& panelName, const std::string& captionName, TLabel*& caption,
                                 int left, const std::u16string& text)
{
    auto* panel = NewControl<TPanel>(this, panelName, this);
    panel->SetBounds(left, H - kButtonHeight - 10, kButtonWidth, kButtonHeight);
    panel->SetBevelOuter(ui::TBevelCut::bvNone);
    panel->SetColor(ui::clBlack);
    panel->SetDoubleBuffered(true);
    panel->BringToFront();

    caption = NewControl<TLabel>(this, captionName, panel);
    caption->SetAutoSize(false);
    caption->SetBounds(1, 1, kButtonWidth - 2, kButtonHeight - 2);
    caption->SetTransparent(false);
    caption->SetColor(ui::clWhite);
    caption->SetAlignment(ui::TAlignment::taCenter);
    caption->SetLayout(ui::TTextLayout::tlCenter);
    caption->Font().SetColor(ui::clBlack);
    caption->Font().SetHeight(15);
    caption->Font().SetCharset(Charset());
    caption->SetCursor(ui::crHandPoint);
    caption->SetCaption(text);
    return panel;
}

void TSetupMsgForm::MirrorLayout()
{
    MsgLogo_Img->SetLeft(W - kIconSize - 22);
    Msg_Lab->SetBounds(11, Msg_Lab->Top(), MsgLogo_Img->Left() - 11 - 10, Msg_Lab->Height());
    Btn_Right_Pan->SetLeft(W / 2 - kButtonWidth - 5);
    Btn_Left_Pan->SetLeft(Btn_Right_Pan->Left() + kButtonWidth + 10);
}

void TSetupMsgForm::BindHandlers()
{
    LB_Btn_Lab->OnClick = [this](TObject* s) { LB_Btn_LabClick(s); };
    RB_Btn_Lab->OnClick = [this](TObject* s) { RB_Btn_LabClick(s); };
    LB_Btn_Lab->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { LB_Btn_LabMouseMove(s, sh, x, y); };
    RB_Btn_Lab->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { RB_Btn_LabMouseMove(s, sh, x, y); };
    LB_Btn_Lab->OnMouseLeave = [this](TObject* s) { LB_Btn_LabMouseLeave(s); };
    RB_Btn_Lab->OnMouseLeave = [this](TObject* s) { RB_Btn_LabMouseLeave(s); };
    Top_Title_Lab->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        Top_Title_LabMouseDown(s, b, sh, x, y);
    };
    // Enter presses the right button, OK on a notice and No on a question, so that a stray key
    // never confirms; Escape closes the box as the system's close key does: no answer.
    OnKeyDown = [this](TObject*, WORD& key, TShiftState) {
        if (key == VK_RETURN) {
            RB_Btn_Lab->Click();
        } else if (key == VK_ESCAPE) {
            Close();
        }
    };
}

void TSetupMsgForm::FormCreate(TObject*)
{
    const bool rightToLeft = MirroredLanguage();
    Top_Title_Lab->SetAlignment(rightToLeft ? ui::TAlignment::taRightJustify : ui::TAlignment::taLeftJustify);
    for (TLabel* label : {Msg_Lab, RB_Btn_Lab, LB_Btn_Lab}) {
        label->SetBiDiMode(rightToLeft ? ui::TBiDiMode::bdRightToLeft : ui::TBiDiMode::bdLeftToRight);
    }
}

void TSetupMsgForm::LB_Btn_LabClick(TObject*)
{
    LeftButtonChosen = 1;
    Close();
}

void TSetupMsgForm::RB_Btn_LabClick(TObject*)
{
    Close();
}

void TSetupMsgForm::LB_Btn_LabMouseMove(TObject*, TShiftState Shift, int, int)
{
    if (!Shift.LeftHeld()) {
        Btn_Left_Pan->SetColor(HoverColor());
    }
}

void TSetupMsgForm::RB_Btn_LabMouseMove(TObject*, TShiftState Shift, int, int)
{
    if (!Shift.LeftHeld()) {
        Btn_Right_Pan->SetColor(HoverColor());
    }
}

void TSetupMsgForm::LB_Btn_LabMouseLeave(TObject*)
{
    Btn_Left_Pan->SetColor(ui::clBlack);
}

void TSetupMsgForm::RB_Btn_LabMouseLeave(TObject*)
{
    Btn_Right_Pan->SetColor(ui::clBlack);
}

void TSetupMsgForm::Top_Title_LabMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    DragWindow(this);
}

void ShowOkBox(TMainForm& wizard, int kind, const std::u16string& text)
{
    std::unique_ptr<TSetupMsgForm> box(ui::CreateForm<TSetupMsgForm>(ui::Application));
    LoadPngResource(box->MsgLogo_Img, kind == kErrorBox         ? kErrorIcon
                                      : kind == kInformationBox ? kInformationIcon
                                                                : kWarningIcon);
    box->Msg_Lab->SetCaption(text);
    box->Btn_Left_Pan->SetVisible(false);
    box->RB_Btn_Lab->SetCaption(WizardText(wizard, 20004));
    box->ShowModal();
    box->Close();
}

bool AskYesNo(TMainForm& wizard, const std::u16string& text)
{
    std::unique_ptr<TSetupMsgForm> box(ui::CreateForm<TSetupMsgForm>(ui::Application));
    LoadPngResource(box->MsgLogo_Img, kQuestionIcon);
    box->Msg_Lab->SetCaption(text);
    box->LB_Btn_Lab->SetCaption(WizardText(wizard, 20002));
    box->RB_Btn_Lab->SetCaption(WizardText(wizard, 20003));
    box->ShowModal();
    const bool yes = box->LeftButtonChosen == 1;
    box->Close();
    return yes;
}

}  // namespace setup
