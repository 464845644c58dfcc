#include "backup/window/jobs/SelDest_Win.h"

#include "backup/base/Language.h"
#include "backup/base/SpecialFolders.h"
#include "backup/skin/ControlFactory.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/skin/RtlStyle.h"
#include "backup/skin/SkinBox.h"
#include "backup/window/device/Combodriveutil.h"
#include "backup/window/frame/FolderPicker.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/layout/LayoutHelpers.h"
#include "backup/window/layout/SkinnedButton.h"

#include <memory>

namespace {

constexpr int kWidth = 404;
constexpr int kHeight = 155;
constexpr int kFontHeight = 15;
constexpr int kRadioChosen = 23019;
constexpr int kRadioNotChosen = 23017;
constexpr int kBrowseNormal = 23004;
constexpr int kBrowseHover = 23005;
constexpr int kBrowseDisabled = 23003;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 23;
constexpr int kNormalPieces[3] = {24004, 24007, 24010};

ui::TColor PaletteColour(int index)
{
    return static_cast<ui::TColor>(TMainForm::Palette[index]);
}

void LayoutButton(const SkinButtonParts& b, int left, int top)
{
    LayoutSkinnedButton({b.Pan, b.Left, b.Center, b.Right, b.Lab},
                        {left, top, left + kButtonWidth, top + kButtonHeight}, 6, kNormalPieces, ui::clWhite);
    b.Pan->SetBevelOuter(ui::TBevelCut::bvNone);
    b.Lab->SetTransparent(true);
    b.Lab->SetAutoSize(false);
    b.Lab->BringToFront();
}

}  // namespace

TSelDest_Form::TSelDest_Form(TComponent* owner) : TForm(owner)
{
    CreateControls();
    LayoutSelDestForm();
    if (MainForm->LangId == kRtlLangId) {
        MirrorSelDestForm();
    }
    ApplyDestinationChoice();
    BindHandlers();
}

void TSelDest_Form::CreateControls()
{
    SetName("SelDest_Form");
    BK_Lab = NewFixedLabel(this, "BK_Lab", this);
    Ori_Check_Img = NewControl<TImage>(this, "Ori_Check_Img", this);
    Sel_Check_Img = NewControl<TImage>(this, "Sel_Check_Img", this);
    Ori_Lab = NewFixedLabel(this, "Ori_Lab", this);
    Sel_Lab = NewFixedLabel(this, "Sel_Lab", this);
    Dest_BK_Lab = NewFixedLabel(this, "Dest_BK_Lab", this);
    Dest_Title_Lab = NewFixedLabel(this, "Dest_Title_Lab", this);
    Dest_Edit = NewControl<TEdit>(this, "Dest_Edit", this);
    Btn_Browser_Img = NewControl<TImage>(this, "Btn_Browser_Img", this);
    CreateButtonPair(this, this);
}

void TSelDest_Form::BindHandlers()
{
    OnCreate = [this](TObject* s) { FormCreate(s); };
    const auto move = [this](TObject* s, TShiftState sh, int x, int y) { FormMouseMove(s, sh, x, y); };
    OnMouseMove = move;
    for (TControl* c : std::initializer_list<TControl*>{Dest_Title_Lab, Sel_Lab, Sel_Check_Img, Ori_Lab, Ori_Check_Img,
                                                        BK_Lab, Dest_BK_Lab, Dest_Edit}) {
        c->OnMouseMove = move;
    }
    Ori_Check_Img->OnClick = [this](TObject* s) { Ori_Check_ImgClick(s); };
    Sel_Check_Img->OnClick = [this](TObject* s) { Sel_Check_ImgClick(s); };
    Btn_Browser_Img->OnClick = [this](TObject* s) { Btn_Browser_ImgClick(s); };
    Btn_Browser_Img->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) {
        Btn_Browser_ImgMouseMove(s, sh, x, y);
    };
    Btn_Browser_Img->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        Btn_Browser_ImgMouseDown(s, b, sh, x, y);
    };
    RB_Btn_Lab->OnClick = [this](TObject* s) { RB_Btn_LabClick(s); };
    RB_Btn_Lab->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { RB_Btn_LabMouseMove(s, sh, x, y); };
    RB_Btn_Lab->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        RB_Btn_LabMouseDown(s, b, sh, x, y);
    };
    LB_Btn_Lab->OnClick = [this](TObject* s) { LB_Btn_LabClick(s); };
    LB_Btn_Lab->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { LB_Btn_LabMouseMove(s, sh, x, y); };
    LB_Btn_Lab->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        LB_Btn_LabMouseDown(s, b, sh, x, y);
    };
    BK_Lab->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        BK_LabMouseDown(s, b, sh, x, y);
    };
}

void TSelDest_Form::LayoutSelDestForm()
{
    const BYTE charset = MainForm->FontCharset;
    SetBorderStyle(ui::TFormBorderStyle::bsNone);
    SetDoubleBuffered(true);
    SetBounds(0, 0, kWidth, kHeight);
    SetPosition(ui::TPosition::poMainFormCenter);
    SetColor(PaletteColour(11));

    BK_Lab->SetBounds(1, 1, kWidth - 2, kHeight - 2);
    MakeGround(BK_Lab, ui::clWhite);
    BK_Lab->SendToBack();

    Ori_Check_Img->SetBounds(7, 9, 18, 18);
    Sel_Check_Img->SetBounds(7, Ori_Check_Img->Top() + 31, 18, 18);
    const int labelLeft = RightOf(Ori_Check_Img) + 5;
    Ori_Lab->SetBounds(labelLeft, Ori_Check_Img->Top(), kWidth - labelLeft, 18);
    Sel_Lab->SetBounds(labelLeft, Sel_Check_Img->Top(), kWidth - labelLeft, 18);
    for (TImage* radio : {Ori_Check_Img, Sel_Check_Img}) {
        radio->SetCursor(ui::crHandPoint);
    }
    LoadPngResource(Ori_Check_Img, kRadioChosen);
    LoadPngResource(Sel_Check_Img, kRadioNotChosen);
    for (TLabel* label : {Ori_Lab, Sel_Lab}) {
        label->SetLayout(ui::TTextLayout::tlCenter);
        SetCaptionFont(label, PaletteColour(7), kFontHeight, charset);
    }
    Ori_Lab->SetCaption(u"Restore to the original location.");
    Sel_Lab->SetCaption(u"Select destination to restore to.");

    Dest_BK_Lab->SetBounds(labelLeft, BottomOf(Sel_Lab) + 2, kWidth - labelLeft - 15, 36);
    MakeGround(Dest_BK_Lab, PaletteColour(11));
    Dest_BK_Lab->BringToFront();
    Dest_Title_Lab->SetBounds(Dest_BK_Lab->Left() + 1, Dest_BK_Lab->Top() + 1, Dest_BK_Lab->Width() - 2, 16);
    Dest_Title_Lab->SetLayout(ui::TTextLayout::tlCenter);
    MakeGround(Dest_Title_Lab, ui::clWhite);
    SetCaptionFont(Dest_Title_Lab, PaletteColour(7), kFontHeight, charset);
    Dest_Title_Lab->SetCaption(u"Destnination :");
    Dest_Title_Lab->BringToFront();

    Dest_Edit->SetBounds(Dest_Title_Lab->Left(), BottomOf(Dest_Title_Lab) + 1, RightOf(Dest_Title_Lab) - 31 - 16, 17);
    Dest_Edit->SetDoubleBuffered(true);
    Dest_Edit->SetBorderStyle(ui::TBorderStyle::bsNone);
    Dest_Edit->SetColor(PaletteColour(12));
    Dest_Edit->SetReadOnly(true);
    Dest_Edit->Font().SetHeight(kFontHeight);
    Dest_Edit->Font().SetCharset(charset);
    Dest_Edit->SetText(u"C:\\");
    Btn_Browser_Img->SetBounds(RightOf(Dest_Edit), Dest_Edit->Top(), 16, 17);
    Btn_Browser_Img->SetCursor(ui::crHandPoint);
    LoadPngResource(Btn_Browser_Img, kBrowseNormal);
    Btn_Browser_Img->BringToFront();

    LayoutSelDestCancelButton();
    LayoutSelDestOkButton();
}

void TSelDest_Form::LayoutSelDestCancelButton()
{
    LayoutButton(CancelButton(), kWidth / 2 + 2, kHeight - kButtonHeight - 9);
    SetCaptionFont(RB_Btn_Lab, PaletteColour(8), kFontHeight, MainForm->FontCharset);
    RB_Btn_Lab->SetCaption(u"Cancel");
}

void TSelDest_Form::LayoutSelDestOkButton()
{
    LayoutButton(OkButton(), Btn_Right_Pan->Left() - kButtonWidth - 4, Btn_Right_Pan->Top());
    SetCaptionFont(LB_Btn_Lab, RB_Btn_Lab->Font().Color(), kFontHeight, MainForm->FontCharset);
    LB_Btn_Lab->SetCaption(u"OK");
}

void TSelDest_Form::MirrorSelDestForm()
{
    for (TControl* c : std::initializer_list<TControl*>{Ori_Check_Img, Sel_Check_Img, Dest_BK_Lab, Dest_Title_Lab,
                                                        Dest_Edit, Btn_Right_Pan, Btn_Left_Pan}) {
        SetLeftWidth(c, kWidth - c->Left() - c->Width(), c->Width());
    }
    // The browse image stays at the field's far end, which is now its left.
    SetLeftWidth(Btn_Browser_Img, Dest_Edit->Left() - Btn_Browser_Img->Width(), Btn_Browser_Img->Width());
    const int labelWidth = Ori_Check_Img->Left() - 5 - 5;
    SetLeftWidth(Ori_Lab, 5, labelWidth);
    SetLeftWidth(Sel_Lab, 5, labelWidth);
}

void TSelDest_Form::FormCreate(TObject*)
{
    const bool rtl = MainForm->LangId == kRtlLangId;
    const auto mode = rtl ? ui::TBiDiMode::bdRightToLeft : ui::TBiDiMode::bdLeftToRight;
    for (TLabel* label : {Ori_Lab, Sel_Lab, Dest_Title_Lab, RB_Btn_Lab, LB_Btn_Lab}) {
        label->SetBiDiMode(mode);
    }
    if (rtl) {
        SetEditRightAligned(Dest_Edit);
    } else {
        ClearEditRightAligned(Dest_Edit);
    }
}

void TSelDest_Form::ApplyDestinationChoice()
{
    const bool original = ToOriginal == 1;
    LoadPngResource(Ori_Check_Img, original ? kRadioChosen : kRadioNotChosen);
    LoadPngResource(Sel_Check_Img, original ? kRadioNotChosen : kRadioChosen);
    Dest_Title_Lab->SetEnabled(!original);
    Dest_Edit->SetText(original ? Ori_Lab->Caption() : SystemFolder().substr(0, 3));
    Dest_Edit->SetEnabled(!original);
    LoadPngResource(Btn_Browser_Img, original ? kBrowseDisabled : kBrowseNormal);
    Btn_Browser_Img->SetEnabled(!original);
}

void TSelDest_Form::Ori_Check_ImgClick(TObject*)
{
    ToOriginal = 1;
    ApplyDestinationChoice();
}

void TSelDest_Form::Sel_Check_ImgClick(TObject*)
{
    if (ToOriginal == 1) {
        ToOriginal = 0;
        ApplyDestinationChoice();
    }
}

void TSelDest_Form::Btn_Browser_ImgClick(TObject*)
{
    const std::u16string folder = BrowseForFolder(u"Browse Folder", Dest_Edit->Text());
    if (!folder.empty()) {
        Dest_Edit->SetText(folder);
    }
}

void TSelDest_Form::RB_Btn_LabClick(TObject*)
{
    Cancelled = 1;
    Close();
}

void TSelDest_Form::LB_Btn_LabClick(TObject*)
{
    Close();
}

void TSelDest_Form::BK_LabMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    DragWindow(this);
}

void TSelDest_Form::ResetSelDestSkins()
{
    if (ToOriginal == 0) {
        LoadPngResource(Btn_Browser_Img, kBrowseNormal);
    }
    ShowButtonLook(CancelButton(), ButtonLook::Normal);
    ShowButtonLook(OkButton(), ButtonLook::Normal);
}

void TSelDest_Form::FormMouseMove(TObject*, TShiftState, int, int)
{
    ResetSelDestSkins();
}

void TSelDest_Form::Btn_Browser_ImgMouseMove(TObject*, TShiftState Shift, int, int)
{
    ResetSelDestSkins();
    if (ToOriginal == 0 && !Shift.LeftHeld()) {
        LoadPngResource(Btn_Browser_Img, kBrowseHover);
    }
}

void TSelDest_Form::Btn_Browser_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    if (ToOriginal == 0) {
        LoadPngResource(Btn_Browser_Img, kBrowseDisabled);
    }
}

void TSelDest_Form::RB_Btn_LabMouseMove(TObject*, TShiftState Shift, int, int)
{
    ResetSelDestSkins();
    if (!Shift.LeftHeld()) {
        ShowButtonLook(CancelButton(), ButtonLook::Hover);
    }
}

void TSelDest_Form::RB_Btn_LabMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowButtonLook(CancelButton(), ButtonLook::Pressed);
}

void TSelDest_Form::LB_Btn_LabMouseMove(TObject*, TShiftState Shift, int, int)
{
    ResetSelDestSkins();
    if (!Shift.LeftHeld()) {
        ShowButtonLook(OkButton(), ButtonLook::Hover);
    }
}

void TSelDest_Form::LB_Btn_LabMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowButtonLook(OkButton(), ButtonLook::Pressed);
}

SkinButtonParts TSelDest_Form::CancelButton() const
{
    return RightButton();
}

SkinButtonParts TSelDest_Form::OkButton() const
{
    return LeftButton();
}

bool ChooseRestoreDestination(BYTE& restoreToOriginal, std::u16string& destination)
{
    auto form = std::make_unique<TSelDest_Form>(ui::Application);
    form->AfterConstruction();
    form->ToOriginal = restoreToOriginal;
    form->ApplyDestinationChoice();
    form->Dest_Edit->SetText(destination);
    const TStringList& table = *MainForm->LangTable;
    form->Ori_Lab->SetCaption(LookupText(table, 20064));
    form->Sel_Lab->SetCaption(LookupText(table, 20065));
    form->Dest_Title_Lab->SetCaption(LookupText(table, 20062));
    form->RB_Btn_Lab->SetCaption(LookupText(table, 20005));
    form->LB_Btn_Lab->SetCaption(LookupText(table, 20004));
    form->ShowModal();
    if (form->Cancelled != 0) {
        return false;
    }
    restoreToOriginal = form->ToOriginal;
    const std::u16string chosen = form->ToOriginal == 1 ? form->Ori_Lab->Caption() : form->Dest_Edit->Text();
    if (!chosen.empty()) {
        destination = chosen;
    }
    SaveRestoreDestSetting(restoreToOriginal, destination);
    return true;
}
