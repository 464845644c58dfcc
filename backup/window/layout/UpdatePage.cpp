#include "backup/window/layout/UpdatePage.h"

#include "backup/skin/ResourceLoaders.h"
#include "backup/window/layout/LayoutHelpers.h"
#include "backup/window/layout/SkinnedButton.h"

namespace {

constexpr int kIndent = 13;
constexpr int kTitleTop = 17;
constexpr int kTitleHeight = 24;
constexpr int kBoxTop = 42;
constexpr int kBoxHeight = 60;
constexpr int kRowTop = 57;
constexpr int kButtonWidth = 106;
constexpr int kButtonHeight = 22;
constexpr int kButtonEndWidth = 6;
constexpr int kButtonRightGap = 25;
constexpr int kCheckSize = 18;
constexpr int kOnDark = 6;  // white
constexpr int kOnButton = 7;  // black

// The page's grounds are the dark title colour, so its captions are white; the button's is black.
void MakeCaption(TMainForm& form, TLabel* label, int paletteIndex, int fontHeight, const char16_t* caption)
{
    label->SetTransparent(true);
    SetCaptionFont(label, TMainForm::Palette[paletteIndex], fontHeight, form.FontCharset);
    label->SetCaption(caption);
}

}  // namespace

void LayoutUpdatePanel(TMainForm& form)
{
    TPanel* page = form.Set_Upd_Pan;
    const TPanel* reference = form.Sum_Pro_Pan;
    page->SetBounds(reference->Left(), reference->Top(), reference->Width(), reference->Height());
    page->SetColor(reference->Color());
    page->SetDoubleBuffered(true);
    page->Hide();
    const int wu = page->Width();

    TLabel* titleBar = form.Upd_Title_BK_Lab;
    titleBar->SetBounds(0, kTitleTop, wu, kTitleHeight);
    MakeGround(titleBar, TMainForm::Palette[2]);
    titleBar->SendToBack();
    TLabel* title = form.Upd_Title_Lab;
    title->SetBounds(kIndent, kTitleTop, wu - kIndent, kTitleHeight);
    title->SetLayout(ui::TTextLayout::tlCenter);
    MakeCaption(form, title, kOnDark, 16, u"Updating");
    TLabel* box = form.Upd_BK_Lab;
    box->SetBounds(0, kBoxTop, wu, kBoxHeight);
    MakeGround(box, titleBar->Color());
    box->SendToBack();

    LayoutUpdateButton(form);

    TImage* check = form.Upd_Auto_Check_Img;
    check->SetBounds(kIndent, kRowTop, kCheckSize, kCheckSize);
    check->SetCursor(ui::crHandPoint);
    LoadPngResource(check, 23019);
    TLabel* automatic = form.Upd_Auto_Lab;
    // The caption stops before the button, so that it stays whole when drawn from its right end.
    const int automaticLeft = RightOf(check) + 3;
    automatic->SetBounds(automaticLeft, kRowTop, form.Upd_Btn_Pan->Left() - 4 - automaticLeft, kTitleHeight);
    automatic->SetLayout(ui::TTextLayout::tlCenter);
    MakeCaption(form, automatic, kOnDark, 16, u"Updating Automatic");
}

void LayoutUpdateButton(TMainForm& form)
{
    const SkinnedButtonParts button{form.Upd_Btn_Pan, form.Upd_Btn_BK_Left_Img, form.Upd_Btn_BK_Center_Img,
                                    form.Upd_Btn_BK_Right_Img, form.Upd_Btn_Lab};
    const int left = form.Set_Upd_Pan->Width() - kButtonWidth - kButtonRightGap;
    LayoutSkinnedButton(button, ui::Rect::FromSize(left, kRowTop, kButtonWidth, kButtonHeight), kButtonEndWidth,
                        {24004, 24007, 24010}, form.Upd_BK_Lab->Color());
    MakeCaption(form, form.Upd_Btn_Lab, kOnButton, 15, u"Update");
}

void LayoutUpdatePage(TMainForm& form)
{
    LayoutUpdatePanel(form);
}
