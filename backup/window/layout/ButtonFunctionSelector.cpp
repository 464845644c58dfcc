#include "backup/window/layout/ButtonFunctionSelector.h"

#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/layout/LayoutHelpers.h"

namespace {

constexpr int kHeight = 19;
constexpr int kOpenerWidth = 16;
constexpr int kOpenerSkin = 23010;
constexpr int kComboHeight = 23;
constexpr int kComboCharset = 129;
constexpr int kFontHeight = 15;

}  // namespace

void LayoutButtonFunctionSelector(TMainForm& form)
{
    TPanel* selector = form.Auto_ClickBtn_FuncSel_Pan;
    TLabel* above = form.Auto_ClickBtn_Lab;
    selector->SetBounds(above->Left(), BottomOf(above), form.Startup_BK_Light_Lab->Width() - above->Left(), kHeight);
    selector->SetDoubleBuffered(true);
    selector->SetColor(ui::clWhite);
    selector->BringToFront();

    TLabel* title = form.AC_FuncSel_Title_Lab;
    title->SetBounds(0, 0, title->Width(), selector->Height());
    title->SetLayout(ui::TTextLayout::tlCenter);
    SetCaptionFont(title, TMainForm::Palette[7], kFontHeight, form.FontCharset);
    title->SetCaption(u"Functions : ");
    title->SetAutoSize(true);
    title->BringToFront();

    TLabel* frame = form.AC_FuncSel_Edit_BK_Lab;
    frame->SetBounds(RightOf(title), 0, selector->Width() - RightOf(title), kHeight);
    MakeGround(frame, TMainForm::Palette[11]);
    frame->BringToFront();
    TPanel* inner = form.AC_FuncSel_Edit_Pan;
    inner->SetBounds(frame->Left() + 1, frame->Top() + 1, frame->Width() - 1, frame->Height() - 2);
    inner->SetDoubleBuffered(true);
    inner->SetColor(ui::clWhite);
    inner->BringToFront();
    TImage* opener = form.AC_FuncSel_Btn_Img;
    opener->SetBounds(inner->Width() - kOpenerWidth, 0, kOpenerWidth, inner->Height());
    opener->SetCursor(ui::crHandPoint);
    LoadPngResource(opener, kOpenerSkin);
    opener->BringToFront();
    TEdit* edit = form.AC_FuncSel_Edit;
    edit->SetBounds(0, 0, opener->Left(), inner->Height());
    edit->SetDoubleBuffered(true);
    edit->SetText(u"");
    edit->SetColor(TMainForm::Palette[12]);
    edit->SetReadOnly(true);
    edit->Font().SetHeight(title->Font().Height());
    edit->Font().SetCharset(form.FontCharset);
    TComboBox* combo = form.AC_FuncSel_CBox;
    combo->SetBounds(edit->Left(), BottomOf(edit) - kComboHeight, edit->Width(), kComboHeight);
    combo->Font().SetHeight(edit->Font().Height());
    combo->Font().SetCharset(kComboCharset);
    combo->SetColor(edit->Color());
    combo->SendToBack();
}

void RelayoutButtonFunctionSelector(TMainForm& form)
{
    TLabel* frame = form.AC_FuncSel_Edit_BK_Lab;
    const int left = RightOf(form.AC_FuncSel_Title_Lab);
    SetLeftWidth(frame, left, form.Auto_ClickBtn_FuncSel_Pan->Width() - left);
    SetLeftWidth(form.AC_FuncSel_Edit_Pan, frame->Left() + 1, frame->Width() - 1);
    TImage* opener = form.AC_FuncSel_Btn_Img;
    opener->SetLeft(form.AC_FuncSel_Edit_Pan->Width() - opener->Width());
    SetLeftWidth(form.AC_FuncSel_Edit, 0, opener->Left());
    SetLeftWidth(form.AC_FuncSel_CBox, form.AC_FuncSel_Edit->Left(), form.AC_FuncSel_Edit->Width());
}
