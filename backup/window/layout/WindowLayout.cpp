#include "backup/window/layout/WindowLayout.h"

#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/MenuGroups.h"
#include "backup/window/frame/Navigation.h"
#include "backup/window/frame/WindowSkin.h"
#include "backup/window/layout/BackupPage.h"
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
#include "backup/window/layout/SettingsRelayout.h"

namespace {

constexpr int kMargin = 15;
constexpr int kSubWidth = 170;

void PlaceCommonFrame(TMainForm& form)
{
    const int w = form.Width();
    const int h = form.Height();
    form.MainBK_UpFrame_Img->SetWidth(w);
    form.MainBK_DownFrame_Img->SetWidth(w);
    form.MainBK_DownFrame_Img->SetTop(h - form.MainBK_DownFrame_Img->Height() - 1);
    form.MainBK_LeftFrame_Img->SetHeight(h);
    form.MainBK_RightFrame_Img->SetHeight(h);
    form.MainBK_RightFrame_Img->SetLeft(w - form.MainBK_RightFrame_Img->Width() - 1);
    form.MainBK_Box_LD_Img->SetTop(h - form.MainBK_Box_LD_Img->Height() - 1);
    form.MainBK_Box_RD_Img->SetBounds(w - form.MainBK_Box_RD_Img->Width() - 1, h - form.MainBK_Box_RD_Img->Height() - 1,
                                      form.MainBK_Box_RD_Img->Width(), form.MainBK_Box_RD_Img->Height());
    form.MainBK_Box_RU_Img->SetLeft(w - form.MainBK_Box_RU_Img->Width() - 1);
}

void LoadTitleSkins(TMainForm& form)
{
    LoadPngResource(form.Main_ExitBtn_Img, 21002);
    LoadPngResource(form.Main_MaxBtn_Img, 21005);
    LoadPngResource(form.Main_MinBtn_Img, 21008);
}

void PlaceHintLabels(TMainForm& form)
{
    form.Main_Btn_Help_Hint_Lab->SetLeft(form.Main_Btn_Help_Img->Left());
    form.Main_Btn_About_Hint_Lab->SetLeft(form.Main_Btn_About_Img->Left());
}

// The title bar of the mirrored order; shared by the relayout and the mirrored creation pass.
void PlaceRtlTitleBar(TMainForm& form)
{
    const int w = form.Width();
    const int h = form.Height();
    form.Main_ExitBtn_Img->SetLeft(16);
    form.Main_MaxBtn_Img->SetLeft(form.Main_ExitBtn_Img->Left() + form.Main_ExitBtn_Img->Width() + 2);
    form.Main_MinBtn_Img->SetLeft(form.Main_MaxBtn_Img->Left() + form.Main_MaxBtn_Img->Width() + 2);
    form.Title_Img->SetLeft(w - form.Title_Img->Width() - 3);
    LoadPngResource(form.Title_Img, 27003);
    form.VemoLogo_Img->SetLeft(w - form.VemoLogo_Img->Width() - 14);
    LoadPngResource(form.VemoLogo_Img, 27002);
    form.Version_Lab->SetLeft(form.VemoLogo_Img->Left() - form.Version_Lab->Width() - 5);
    TImage* grip = form.DragSizeBtn_Img;
    grip->SetCursor(ui::crSizeNESW);
    grip->SetBounds(7, h - grip->Height() - 7, grip->Width(), grip->Height());
    LoadPngResource(grip, 27001);
    const int dragLeft = form.Main_MinBtn_Img->Left() + form.Main_MinBtn_Img->Width();
    form.DragDrop_Lab->SetBounds(dragLeft, form.DragDrop_Lab->Top(), w - dragLeft, form.DragDrop_Lab->Height());
    form.Main_Btn_Help_Img->SetLeft(18);
    form.Main_Btn_About_Img->SetLeft(form.Main_Btn_Help_Img->Left() + form.Main_Btn_Help_Img->Width() + 3);
    PlaceHintLabels(form);
}

void PlaceMenuPanel(TMainForm& form, int left)
{
    TPanel* panel = form.MainMenu_Pan;
    panel->SetBounds(left, panel->Top(), panel->Width(), form.Height() - panel->Top() - kMargin);
}

// Corners, sides and background of the menu; rightInset is 1 in left-to-right order, 0 mirrored.
void PlaceMenuFrame(TMainForm& form, int leftCorner, int rightInset, const int (&skins)[6])
{
    const int mw = form.MainMenu_Pan->Width();
    form.MenuBK_LeftUp_Img->SetLeft(leftCorner);
    LoadPngResource(form.MenuBK_LeftUp_Img, skins[0]);
    form.MenuBK_LeftDown_Img->SetLeft(leftCorner);
    LoadPngResource(form.MenuBK_LeftDown_Img, skins[1]);
    form.MenuBK_RightUp_Img->SetLeft(mw - form.MenuBK_RightUp_Img->Width() - rightInset);
    LoadPngResource(form.MenuBK_RightUp_Img, skins[2]);
    form.MenuBK_RightDown_Img->SetLeft(form.MenuBK_RightUp_Img->Left());
    LoadPngResource(form.MenuBK_RightDown_Img, skins[3]);
    form.MenuBK_Frame_Left_Img->SetLeft(leftCorner);
    LoadPngResource(form.MenuBK_Frame_Left_Img, skins[4]);
    form.MenuBK_Frame_Right_Img->SetLeft(mw - form.MenuBK_Frame_Right_Img->Width() - rightInset);
    LoadPngResource(form.MenuBK_Frame_Right_Img, skins[5]);
}

void PlaceMenuHeights(TMainForm& form)
{
    const int mh = form.MainMenu_Pan->Height();
    form.MenuBK_Frame_Left_Img->SetHeight(mh - 2 * form.MenuBK_LeftUp_Img->Height() - 1);
    form.MenuBK_Frame_Right_Img->SetHeight(form.MenuBK_Frame_Left_Img->Height());
    form.MenuBK_Frame_Down_Img->SetTop(mh - form.MenuBK_Frame_Down_Img->Height() - 1);
    form.MenuBK_LeftDown_Img->SetTop(mh - form.MenuBK_LeftDown_Img->Height() - 1);
    form.MenuBK_RightDown_Img->SetTop(form.MenuBK_LeftDown_Img->Top());
}

void PlaceLogoArea(TMainForm& form, int left)
{
    TImage* area = form.Client_LogoBK_Img;
    area->SetBounds(left, form.MainMenu_Pan->Height() - area->Height() - 8, area->Width(), area->Height());
    TImage* logo = form.Client_Logo_Img;
    logo->SetBounds(area->Left() + (area->Width() - logo->Width()) / 2,
                    area->Top() + (area->Height() - logo->Height()) / 2, logo->Width(), logo->Height());
}

// The later groups copy Width and Left of the Summary group's three controls.
void CopySummaryColumns(TMainForm& form)
{
    const MenuGroup& summary = MenuGroups()[0];
    for (const MenuGroup& group : MenuGroups()) {
        TControl* pairs[3][2] = {{form.*group.BtnImg, form.*summary.BtnImg},
                                 {form.*group.IcoImg, form.*summary.IcoImg},
                                 {form.*group.BtnLab, form.*summary.BtnLab}};
        for (auto& pair : pairs) {
            pair[0]->SetBounds(pair[1]->Left(), pair[0]->Top(), pair[1]->Width(), pair[0]->Height());
        }
    }
}

void RerunCurrentPageSwitch(TMainForm& form)
{
    if (form.CurrentPage >= 1 && form.CurrentPage <= kPageCount) {
        RunPageSwitch(form, form.CurrentPage);
    }
}

void ApplyRtlMenuLayout(TMainForm& form)
{
    const int mw = form.MainMenu_Pan->Width();
    PlaceMenuPanel(form, form.Width() - mw - kMargin);
    PlaceMenuFrame(form, 1, 0, {27007, 27006, 27009, 27008, 27004, 27005});
    TLabel* background = form.MenuBK_Lab;
    background->SetBounds(form.MenuBK_LeftUp_Img->Left() + form.MenuBK_LeftUp_Img->Width(), background->Top(), 171,
                          form.MainMenu_Pan->Height());
    PlaceLogoArea(form, mw - form.Client_LogoBK_Img->Width() - 8);
    TImage* button = form.Menu_SumIndex_BtnImg;
    button->SetLeft(mw - button->Width() - 2);
    TImage* icon = form.Menu_SumIndex_IcoImg;
    icon->SetLeft(mw - icon->Width() - 5);
    TLabel* caption = form.Menu_SumIndex_BtnLab;
    const int captionLeft = form.MenuBK_LeftUp_Img->Left() + form.MenuBK_LeftUp_Img->Width() + 10;
    caption->SetBounds(captionLeft, caption->Top(), icon->Left() - captionLeft - 5, caption->Height());
    CopySummaryColumns(form);
}

void PlaceRule(TPanel* rule, TImage* line, int left, int width)
{
    rule->SetBounds(left, rule->Top(), width, rule->Height());
    line->SetWidth(width);
}

void PlaceTitles(TMainForm& form)
{
    for (TLabel* label : {form.Work_Title_Lab, form.Work_Title_Des_Lab}) {
        label->SetBounds(form.HorzLine_Up_Pan->Left(), label->Top(), form.HorzLine_Up_Pan->Width(), label->Height());
    }
}

void PlaceWorkPanelSize(TMainForm& form)
{
    TPanel* work = form.Work_Pan;
    work->SetBounds(work->Left(), work->Top(), form.Width() - work->Left() - kMargin,
                    form.Height() - work->Top() - kMargin);
    form.HorzLine_Low_Pan->SetTop(work->Height() - 30);
}

void ApplyRtlWorkArea(TMainForm& form)
{
    PlaceWorkPanelSize(form);
    const int menuLeft = form.MainMenu_Pan->Left();
    PlaceRule(form.HorzLine_Up_Pan, form.HorzLine_Up_Img, 16, menuLeft - 16 - 115);
    PlaceRule(form.HorzLine_Low_Pan, form.HorzLine_Low_Img, 16, menuLeft - 16 - 16);
    form.Work_TitleIco_Img->SetLeft(menuLeft - form.Work_TitleIco_Img->Width() - 21);
    PlaceTitles(form);
}

void PlaceWorkButtonTops(TMainForm& form)
{
    TPanel* right = form.Work_Btn_Right_Pan;
    right->SetTop(form.Work_Pan->Height() - right->Height() - 3);
    form.Work_Btn_Left_Pan->SetTop(right->Top());
}

}  // namespace

void RelayoutLtrFrame(TMainForm& form)
{
    const int w = form.Width();
    const int h = form.Height();
    PlaceCommonFrame(form);
    form.MainBK_LeftFrame_Img->SetCursor(ui::crDefault);
    form.MainBK_RightFrame_Img->SetCursor(ui::crSizeWE);
    LoadTitleSkins(form);
    form.Main_ExitBtn_Img->SetLeft(w - form.Main_ExitBtn_Img->Width() - 16);
    form.Main_MaxBtn_Img->SetLeft(form.Main_ExitBtn_Img->Left() - form.Main_MaxBtn_Img->Width() - 2);
    form.Main_MinBtn_Img->SetLeft(form.Main_MaxBtn_Img->Left() - form.Main_MinBtn_Img->Width() - 2);
    form.Title_Img->SetLeft(3);
    LoadPngResource(form.Title_Img, 21027);
    form.VemoLogo_Img->SetLeft(14);
    LoadPngResource(form.VemoLogo_Img, 21026);
    form.Version_Lab->SetLeft(form.VemoLogo_Img->Left() + form.VemoLogo_Img->Width() + 5);
    TImage* grip = form.DragSizeBtn_Img;
    grip->SetCursor(ui::crSizeNWSE);
    grip->SetBounds(w - grip->Width() - 7, h - grip->Height() - 7, grip->Width(), grip->Height());
    LoadPngResource(grip, 21025);
    form.DragDrop_Lab->SetBounds(0, form.DragDrop_Lab->Top(), form.Main_MinBtn_Img->Left(),
                                 form.DragDrop_Lab->Height());
    form.Main_Btn_Help_Img->SetLeft(w - 35);
    form.Main_Btn_About_Img->SetLeft(form.Main_Btn_Help_Img->Left() - form.Main_Btn_About_Img->Width() - 3);
    PlaceHintLabels(form);
}

void RelayoutRtlFrame(TMainForm& form)
{
    PlaceCommonFrame(form);
    form.MainBK_LeftFrame_Img->SetCursor(ui::crSizeWE);
    form.MainBK_RightFrame_Img->SetCursor(ui::crDefault);
    LoadTitleSkins(form);
    PlaceRtlTitleBar(form);
}

void RelayoutLtrMenu(TMainForm& form)
{
    PlaceMenuPanel(form, kMargin);
    PlaceMenuFrame(form, 0, 1, {22015, 22014, 22017, 22016, 22011, 22012});
    PlaceMenuHeights(form);
    form.MenuBK_Lab->SetBounds(0, form.MenuBK_Lab->Top(), form.MenuBK_Lab->Width(), form.MainMenu_Pan->Height());
    PlaceLogoArea(form, 8);
    form.MainMenu_Pan->SetRoundRegion(20, 20);
    form.Menu_SumIndex_BtnImg->SetLeft(2);
    form.Menu_SumIndex_IcoImg->SetLeft(5);
    TLabel* caption = form.Menu_SumIndex_BtnLab;
    const int captionLeft = form.Menu_SumIndex_IcoImg->Left() + 47;
    caption->SetBounds(captionLeft, caption->Top(), form.MainMenu_Pan->Width() - captionLeft - 10, caption->Height());
    CopySummaryColumns(form);
    // Leaving the mirrored order at run time brings the sub-button captions and the shown page's
    // sub-button picture back too.
    for (const MenuGroup& group : MenuGroups()) {
        for (const MenuSubButton& sub : group.SubButtons) {
            TImage* img = form.*sub.Img;
            TLabel* lab = form.*sub.Lab;
            img->SetLeft(form.Menu_SumIndex_BtnImg->Left());
            if (img->Picture().ResourceId() == kSubSelectedMirroredSkin) {
                LoadPngResource(img, kSubSelectedSkin);
            }
            lab->SetBounds(form.Menu_SumIndex_IcoImg->Left(), lab->Top(), kSubWidth - 10, lab->Height());
        }
    }
    RerunCurrentPageSwitch(form);
}

void RelayoutRtlMenu(TMainForm& form)
{
    ApplyRtlMenuLayout(form);
    PlaceMenuHeights(form);
    form.MainMenu_Pan->SetRoundRegion(20, 20);
    RerunCurrentPageSwitch(form);
}

void RelayoutLtrWorkPanel(TMainForm& form)
{
    PlaceWorkPanelSize(form);
    const int mw = form.MainMenu_Pan->Width();
    const int ww = form.Work_Pan->Width();
    PlaceRule(form.HorzLine_Up_Pan, form.HorzLine_Up_Img, mw + 100, ww - (mw + 100) - 16);
    PlaceRule(form.HorzLine_Low_Pan, form.HorzLine_Low_Img, mw + 16, ww - (mw + 16) - 15);
    form.Work_TitleIco_Img->SetLeft(203 - form.MainMenu_Pan->Left());
    PlaceTitles(form);
    form.Work_Pan->SetRoundRegion(20, 20);
}

void RelayoutRtlWorkPanel(TMainForm& form)
{
    ApplyRtlWorkArea(form);
    form.Work_Pan->SetRoundRegion(20, 20);
}

void RelayoutLtrWorkButtons(TMainForm& form)
{
    PlaceWorkButtonTops(form);
    TPanel* right = form.Work_Btn_Right_Pan;
    right->SetLeft(form.Work_Pan->Width() - right->Width() - 16);
    form.Work_Btn_Left_Pan->SetLeft(right->Left() - form.Work_Btn_Left_Pan->Width() - 4);
}

void RelayoutRtlWorkButtons(TMainForm& form)
{
    PlaceWorkButtonTops(form);
    TPanel* right = form.Work_Btn_Right_Pan;
    right->SetLeft(16);
    form.Work_Btn_Left_Pan->SetLeft(right->Left() + right->Width() + 4);
}

void SizeRightWorkButtonParts(TMainForm& form, int width)
{
    form.RB_BK_Center_Img->SetWidth(width - 2 * form.RB_BK_Left_Img->Width());
    form.RB_BK_Right_Img->SetLeft(form.RB_BK_Center_Img->Left() + form.RB_BK_Center_Img->Width());
    form.RB_Btn_Lab->SetWidth(width);
}

void LayoutRtlWorkButtons(TMainForm& form)
{
    const int width = RightWorkButtonWidth(form);
    TPanel* right = form.Work_Btn_Right_Pan;
    right->SetBounds(16, right->Top(), width, right->Height());
    SizeRightWorkButtonParts(form, width);
    form.Work_Btn_Left_Pan->SetLeft(right->Left() + width + 4);
}

void RelayoutLtr(TMainForm& form)
{
    RelayoutLtrFrame(form);
    RelayoutLtrMenu(form);
    RelayoutLtrWorkPanel(form);
    RelayoutLtrWorkButtons(form);
    RelayoutLtrOverviewPages(form);
    RelayoutLtrBackupPage(form);
    RelayoutLtrRestorePage(form);
    RelayoutLtrDeletePage(form);
    RelayoutLtrFavoritesPage(form);
    RelayoutLtrProgressPage(form);
    RelayoutLtrSettingsPages(form);
}

void RelayoutRtl(TMainForm& form)
{
    RelayoutRtlFrame(form);
    RelayoutRtlMenu(form);
    RelayoutRtlWorkPanel(form);
    RelayoutRtlWorkButtons(form);
    RelayoutRtlOverviewPages(form);
    RelayoutRtlBackupPage(form);
    RelayoutRtlRestorePage(form);
    RelayoutRtlDeletePage(form);
    RelayoutRtlFavoritesPage(form);
    RelayoutRtlProgressPage(form);
    RelayoutRtlSettingsPages(form);
}

void ApplyRtlLayout(TMainForm& form)
{
    form.MainBK_LeftFrame_Img->SetCursor(ui::crSizeWE);
    PlaceRtlTitleBar(form);
    form.VemoLogo_Img->BringToFront();
    ApplyRtlMenuLayout(form);
    const MenuSubButton& first = MenuGroups()[0].SubButtons[0];
    TImage* firstImg = form.*first.Img;
    TLabel* firstLab = form.*first.Lab;
    firstImg->SetLeft(form.Menu_SumIndex_BtnImg->Left());
    const int labLeft = form.Menu_SumIndex_BtnLab->Left();
    firstLab->SetBounds(labLeft, firstLab->Top(), firstImg->Left() + firstImg->Width() - labLeft - 5,
                        firstLab->Height());
    for (const MenuGroup& group : MenuGroups()) {
        for (const MenuSubButton& sub : group.SubButtons) {
            TImage* img = form.*sub.Img;
            TLabel* lab = form.*sub.Lab;
            img->SetBounds(firstImg->Left(), img->Top(), firstImg->Width(), img->Height());
            lab->SetBounds(firstLab->Left(), lab->Top(), firstLab->Width(), lab->Height());
        }
    }
    ApplyRtlWorkArea(form);
    RelayoutRtlWorkButtons(form);
    LayoutRtlOverviewPage(form);
    LayoutRtlDevicePage(form);
    LayoutRtlEasyBackupPage(form);
    LayoutRtlBackupTreePanel(form);
    LayoutRtlRestorePage(form);
    LayoutRtlRestoreTreePanel(form);
    LayoutRtlDeletePage(form);
    LayoutRtlManualDeleteTree(form);
    LayoutRtlFavoritesPage(form);
    LayoutRtlProgressPage(form);
    LayoutRtlGeneralSettingsPage(form);
    LayoutRtlBackupSettingsPage(form);
}
