// The work area of the main window: the white panel beside the menu with the page title, the two
// rules and the two work buttons, and the page builders that fill it.

#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/MsgWin.h"
#include "backup/window/frame/WindowSkin.h"
#include "backup/window/layout/BackupSettingsPage.h"
#include "backup/window/layout/DeletePage.h"
#include "backup/window/layout/EasyBackupPage.h"
#include "backup/window/layout/FavoritesPage.h"
#include "backup/window/layout/GeneralSettingsPage.h"
#include "backup/window/layout/ManualBackupTree.h"
#include "backup/window/layout/OverviewPages.h"
#include "backup/window/layout/PageLayout.h"
#include "backup/window/layout/ProgressLayout.h"
#include "backup/window/layout/RestorePage.h"
#include "backup/window/layout/RestoreTreePanel.h"
#include "backup/window/layout/WindowLayout.h"

namespace {

constexpr int kRightMargin = 15;
constexpr int kRuleHeight = 2;
constexpr int kRuleSkin = 23030;
constexpr int kTitleHeight = 18;
constexpr int kDescriptionHeight = 30;
constexpr int kDescriptionFontHeight = 15;
// Two lines of 15 px fill the description's label, so a wrapped Japanese line would touch the page
// below it.
constexpr int kWrappedDescriptionFontHeight = 14;
constexpr int kButtonWidth = 80;
constexpr int kWideButtonWidth = 150;
constexpr int kButtonHeight = 22;
constexpr int kCapWidth = 6;
constexpr int kButtonFontHeight = 15;

void BuildRule(TPanel* rule, TImage* line, int left, int top, int width)
{
    rule->SetDoubleBuffered(true);
    rule->SetBounds(left, top, width, kRuleHeight);
    rule->SetColor(ui::clWhite);
    rule->BringToFront();
    rule->Show();
    line->SetBounds(0, 0, width, kRuleHeight);
    LoadPngResource(line, kRuleSkin);
}

struct WorkButton {
    TPanel* Pan;
    TImage* Left;
    TImage* Center;
    TImage* Right;
    TLabel* Lab;
};

void BuildWorkButton(const WorkButton& button, int left, int top, const std::u16string& caption)
{
    button.Pan->SetDoubleBuffered(true);
    button.Pan->SetBounds(left, top, kButtonWidth, kButtonHeight);
    button.Pan->SetColor(ui::clWhite);
    button.Pan->BringToFront();
    button.Pan->Show();
    button.Left->SetBounds(0, 0, kCapWidth, kButtonHeight);
    LoadPngResource(button.Left, 24004);
    button.Center->SetBounds(kCapWidth, 0, kButtonWidth - 2 * kCapWidth, kButtonHeight);
    LoadPngResource(button.Center, 24007);
    button.Right->SetBounds(button.Center->Left() + button.Center->Width(), 0, kCapWidth, kButtonHeight);
    LoadPngResource(button.Right, 24010);
    TLabel* lab = button.Lab;
    lab->SetBounds(0, 0, kButtonWidth, kButtonHeight);
    lab->SetCursor(ui::crHandPoint);
    lab->SetAlignment(ui::TAlignment::taCenter);
    lab->SetLayout(ui::TTextLayout::tlCenter);
    lab->SetTransparent(true);
    lab->SetCaption(caption);
    lab->Font().SetColor(TMainForm::Palette[8]);
    lab->Font().SetHeight(kButtonFontHeight);
    lab->BringToFront();
}

}  // namespace

void BuildWorkArea(TMainForm& form)
{
    TPanel* menu = form.MainMenu_Pan;
    TPanel* work = form.Work_Pan;
    work->SetDoubleBuffered(true);
    work->SetBounds(menu->Left(), menu->Top(), form.Width() - menu->Left() - kRightMargin,
                    form.Height() - menu->Top() - kRightMargin);
    work->SetColor(ui::clWhite);
    work->SetRoundRegion(20, 20);
    const int ww = work->Width();
    const int wh = work->Height();

    const int upLeft = menu->Width() + 100;
    const int upTop = (form.Menu_SumIndex_BtnImg->Top() + form.Menu_SumIndex_BtnImg->Height()) >> 1;
    BuildRule(form.HorzLine_Up_Pan, form.HorzLine_Up_Img, upLeft, upTop, ww - upLeft - 16);
    const int lowLeft = menu->Width() + 16;
    BuildRule(form.HorzLine_Low_Pan, form.HorzLine_Low_Img, lowLeft, wh - 30, ww - lowLeft - 15);

    form.Work_TitleIco_Img->SetBounds(203 - menu->Left(), 0, 97, 57);
    LoadPngResource(form.Work_TitleIco_Img, 23031);
    TLabel* title = form.Work_Title_Lab;
    title->SetBounds(upLeft, upTop - kTitleHeight, form.HorzLine_Up_Pan->Width(), kTitleHeight);
    title->SetTransparent(true);
    title->SetCaption(form.Menu_Sum_ProBtn_Lab->Caption());
    title->Font().SetColor(TMainForm::Palette[5]);
    title->Font().SetHeight(kTitleHeight);
    TLabel* description = form.Work_Title_Des_Lab;
    description->SetBounds(upLeft, upTop + kRuleHeight, form.HorzLine_Up_Pan->Width(), kDescriptionHeight);
    description->SetWordWrap(true);
    description->SetTransparent(true);
    description->Font().SetColor(TMainForm::Palette[9]);
    description->Font().SetHeight(kDescriptionFontHeight);

    const WorkButton right{form.Work_Btn_Right_Pan, form.RB_BK_Left_Img, form.RB_BK_Center_Img, form.RB_BK_Right_Img,
                           form.RB_Btn_Lab};
    BuildWorkButton(right, ww - kButtonWidth - 16, wh - kButtonHeight - 3, u"OK");
    const WorkButton left{form.Work_Btn_Left_Pan, form.LB_BK_Left_Img, form.LB_BK_Center_Img, form.LB_BK_Right_Img,
                          form.LB_Btn_Lab};
    BuildWorkButton(left, form.Work_Btn_Right_Pan->Left() - kButtonWidth - 4, form.Work_Btn_Right_Pan->Top(),
                    u"Cancel");

    LayoutOverviewPanel(form);
    LayoutDevicePanel(form);
    LayoutEasyBackupPage(form);
    LayoutRestorePage(form);
    LayoutRestoreTreePanel(form);
    LayoutDeletePage(form);
    LayoutManualDeleteTree(form);
    LayoutFavoritesPage(form);
    LayoutGeneralSettingsPage(form);
    LayoutBackupSettingsPage(form);
    LayoutBackupTreePanel(form);
    BuildProgressPanel(form);
}

void SetPageDescription(TMainForm& form, const std::u16string& text)
{
    TLabel* description = form.Work_Title_Des_Lab;
    description->Font().SetHeight(kDescriptionFontHeight);
    if (TextExceedsWidth(description, text, description->Width())) {
        description->Font().SetHeight(kWrappedDescriptionFontHeight);
    }
    description->SetCaption(text);
}

int RightWorkButtonWidth(TMainForm& form)
{
    return TextExceedsWidth(form.RB_Btn_Lab, form.RB_Btn_Lab->Caption(), kButtonWidth) ? kWideButtonWidth
                                                                                       : kButtonWidth;
}

void LayoutWorkButtons(TMainForm& form)
{
    const int width = RightWorkButtonWidth(form);
    TPanel* right = form.Work_Btn_Right_Pan;
    right->SetBounds(form.Work_Pan->Width() - width - 16, right->Top(), width, right->Height());
    SizeRightWorkButtonParts(form, width);
    form.Work_Btn_Left_Pan->SetLeft(right->Left() - form.Work_Btn_Left_Pan->Width() - 4);
}
