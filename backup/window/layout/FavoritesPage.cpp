#include "backup/window/layout/FavoritesPage.h"

#include "backup/base/Language.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/MsgWin.h"
#include "backup/window/frame/WindowSkin.h"
#include "backup/window/frame/WorkPage.h"
#include "backup/window/layout/BackupSettingsPage.h"
#include "backup/window/layout/LayoutDirection.h"
#include "backup/window/layout/LayoutHelpers.h"
#include "backup/window/layout/SkinTabs.h"
#include "backup/window/layout/WindowLayout.h"

namespace {

constexpr int kTabWidth = 130;
constexpr int kTabGap = 2;
constexpr int kFontHeight = 15;
constexpr int kBarHeight = 36;
constexpr int kGap = 4;
constexpr int kTitleHeight = 16;
constexpr int kSelectorHeight = 17;
constexpr int kOpenerWidth = 16;
constexpr int kComboHeight = 23;
constexpr BYTE kComboCharset = 129;
constexpr int kComboItems = 15;
constexpr int kArrowWidth = 26;
constexpr int kArrowHeight = 20;
constexpr int kSourceInset = 3;
constexpr int kSourceHeight = 26;
constexpr int kSelectorFrameHeight = 19;
constexpr int kIeInset = 3;
constexpr int kIeTabHeight = 20;
constexpr int kIconOffset = 25;
constexpr int kIconSize = 16;
constexpr int kOpenerSkin = 23010;
constexpr int kArrowSkin = 23002;
constexpr int kBrowserSkin = 23075;
constexpr ui::TColor kFrameColour = 0xC8C8C8;

enum class OperationTab { Backup, Restore };

OperationTab ChosenTab(const TMainForm& form)
{
    return form.FavoritesRestoreTab == 0 ? OperationTab::Backup : OperationTab::Restore;
}

SkinTab BackupTab(TMainForm& f)
{
    return {f.AF_OP_Tag_Bac_Pan, f.AFT_Bac_BK_Left_Img, f.AFT_Bac_BK_Center_Img, f.AFT_Bac_BK_Right_Img, f.AFT_Bac_Lab};
}

SkinTab RestoreTab(TMainForm& f)
{
    return {f.AF_OP_Tag_Res_Pan, f.AFT_Res_BK_Left_Img, f.AFT_Res_BK_Center_Img, f.AFT_Res_BK_Right_Img, f.AFT_Res_Lab};
}

SkinTab IeTab(TMainForm& f)
{
    return {f.AF_Bro_Tag_IE_Pan, f.AFT_IE_BK_Left_Img, f.AFT_IE_BK_Center_Img, f.AFT_IE_BK_Right_Img, f.AFT_IE_Lab};
}

// The tab's two rows in both operation tabs: the chosen one selected, in the set of their height.
void ShowOperationTabSkins(TMainForm& form, OperationTab tab)
{
    const int height = form.AF_OP_Tag_Bac_Pan->Height();
    const bool backupChosen = tab == OperationTab::Backup;
    ShowTabSkins(BackupTab(form), TabSkinsOf(height, backupChosen));
    ShowTabSkins(RestoreTab(form), TabSkinsOf(height, !backupChosen));
}

int TabBottom(const TMainForm& form)
{
    return BottomOf(form.AF_OP_Tag_Bac_Pan);
}

void BuildSelector(TMainForm& form, TPanel* pan, TImage* opener, TEdit* edit, TComboBox* combo)
{
    pan->SetColor(TMainForm::Palette[11]);
    pan->SetDoubleBuffered(true);
    opener->SetBounds(pan->Width() - kOpenerWidth, 0, kOpenerWidth, kSelectorHeight);
    opener->SetCursor(ui::crHandPoint);
    LoadPngResource(opener, kOpenerSkin);
    opener->BringToFront();
    edit->SetBounds(0, opener->Top(), opener->Left(), pan->Height());
    edit->SetColor(TMainForm::Palette[12]);
    edit->SetReadOnly(true);
    edit->SetImeMode(ui::TImeMode::imDontCare);
    edit->SetImeName(u"");
    edit->Font().SetHeight(kFontHeight);
    edit->Font().SetCharset(form.FontCharset);
    edit->SetDoubleBuffered(true);
    combo->SetBounds(edit->Left(), BottomOf(edit) - kComboHeight, edit->Width(), kComboHeight);
    combo->SetColor(edit->Color());
    combo->Font().SetColor(edit->Font().Color());
    combo->Font().SetHeight(edit->Font().Height());
    combo->Font().SetCharset(kComboCharset);
    combo->SetDropDownCount(kComboItems);
    combo->SendToBack();
}

// The opener at the panel's right end (mirrored: its left end), the edit beside it, the list behind
// the edit.
void PlaceSelectorParts(TPanel* pan, TImage* opener, TEdit* edit, TComboBox* combo, LayoutDirection direction)
{
    if (direction == LayoutDirection::RightToLeft) {
        opener->SetLeft(0);
        SetLeftWidth(edit, RightOf(opener), pan->Width() - opener->Width());
    } else {
        opener->SetLeft(pan->Width() - opener->Width());
        SetLeftWidth(edit, 0, opener->Left());
    }
    combo->SetBounds(edit->Left(), BottomOf(edit) - combo->Height(), edit->Width(), combo->Height());
}

void BuildDestination(TMainForm& form)
{
    const int w = form.App_Fav_Pan->Width();
    TLabel* bar = form.AF_DestBK_Lab;
    bar->SetBounds(0, LowerRuleY(form, form.App_Fav_Pan) - kBarHeight - kGap, w, kBarHeight);
    MakeGround(bar, TMainForm::Palette[11]);
    bar->SendToBack();
    TLabel* title = form.AF_Dest_Title_Lab;
    title->SetBounds(bar->Left() + 1, bar->Top() + 1, bar->Width() - 2, kTitleHeight);
    title->SetTransparent(false);
    title->SetColor(ui::clWhite);
    title->SetLayout(ui::TTextLayout::tlCenter);
    SetCaptionFont(title, TMainForm::Palette[7], kFontHeight, form.FontCharset);
    title->SetCaption(u"Destination");
    TPanel* pan = form.AF_Dest_Pan;
    pan->SetBounds(title->Left(), BottomOf(title) + 1, title->Width(), kSelectorHeight);
    pan->BringToFront();
    BuildSelector(form, pan, form.AF_Dest_SelBtn_Img, form.AF_Dest_Edit, form.AF_Dest_CBox);
    form.AF_Dest_Edit->SetText(u"C:\\");
    form.AF_Dest_Edit->BringToFront();
    TImage* arrow = form.AF_ArrowIcon_Img;
    arrow->SetBounds(bar->Left() + (bar->Width() - kArrowWidth) / 2, bar->Top() - kArrowHeight - kGap, kArrowWidth,
                     kArrowHeight);
    LoadPngResource(arrow, kArrowSkin);
}

void BuildPageFrame(TMainForm& form)
{
    TLabel* deep = form.AF_BK_Deep_Lab;
    const int top = TabBottom(form) - 1;
    deep->SetBounds(0, top, form.App_Fav_Pan->Width(), form.AF_ArrowIcon_Img->Top() - kGap - top);
    MakeGround(deep, kFrameColour);
    deep->SendToBack();
    TLabel* light = form.AF_BK_Light_Lab;
    light->SetBounds(deep->Left() + 1, deep->Top() + 1, deep->Width() - 2, deep->Height() - 2);
    MakeGround(light, ui::clWhite);
}

void BuildSource(TMainForm& form)
{
    TLabel* frame = form.AF_PC_Sel_BK_Deep_Lab;
    frame->SetBounds(kSourceInset, TabBottom(form) + kGap, form.AF_BK_Deep_Lab->Width() - 2 * kSourceInset,
                     kSourceHeight);
    MakeGround(frame, TMainForm::Palette[11]);
    TLabel* light = form.AF_PC_Sel_BK_Light_Lab;
    light->SetBounds(frame->Left() + 1, frame->Top() + 1, frame->Width() - 2, frame->Height() - 2);
    MakeGround(light, ui::clWhite);
    TLabel* title = form.AF_PC_Sel_Title_Lab;
    title->SetAutoSize(true);
    title->SetLeft(light->Left() + 3);
    title->SetTop(light->Top() + 3);
    title->SetLayout(ui::TTextLayout::tlCenter);
    title->SetTransparent(true);
    SetCaptionFont(title, TMainForm::Palette[7], kFontHeight, form.FontCharset);
    title->SetCaption(u"Source : ");
    TLabel* selectorFrame = form.AF_PC_Sel_Pan_BK_Lab;
    const int frameLeft = RightOf(title);
    selectorFrame->SetBounds(frameLeft, title->Top() - 1, RightOf(light) - 2 - frameLeft, kSelectorFrameHeight);
    MakeGround(selectorFrame, TMainForm::Palette[11]);
    TPanel* pan = form.AF_PC_Sel_Pan;
    const int panLeft = selectorFrame->Left() + 1;
    pan->SetBounds(panLeft, selectorFrame->Top() + 1, RightOf(selectorFrame) - 1 - panLeft, kSelectorHeight);
    BuildSelector(form, pan, form.AF_PC_Sel_Btn_Img, form.AF_PC_Show_Edit, form.AF_PC_Sel_CBox);
    form.AF_PC_Show_Edit->Font().SetColor(0x000000);
    form.AF_PC_Sel_CBox->Font().SetColor(0x000000);
    for (TControl* c : std::initializer_list<TControl*>{frame, light, title, selectorFrame, pan}) {
        c->BringToFront();
        c->Hide();
    }
}

void BuildIeTab(TMainForm& form)
{
    const SkinTab tab = IeTab(form);
    const TPanel* backup = form.AF_OP_Tag_Bac_Pan;
    tab.Pan->SetBounds(backup->Left() + kIeInset, TabBottom(form) + kGap, backup->Width(), kIeTabHeight);
    tab.Pan->SetColor(backup->Color());
    BuildSkinTab(form, tab, kShortSelectedTab, u"IE", TabClicks::No);
    TImage* icon = form.AFT_IE_Ico_Img;
    icon->SetBounds(tab.Center->Left() + kIconOffset, tab.Center->Top() + 2, kIconSize, kIconSize);
    icon->SetTransparent(true);
    LoadPngResource(icon, kBrowserSkin);
    icon->BringToFront();
    tab.Lab->BringToFront();
}

void BuildTree(TMainForm& form)
{
    TLabel* frame = form.AF_Tree_BK_Lab;
    const TLabel* deep = form.AF_BK_Deep_Lab;
    const int left = form.AF_Bro_Tag_IE_Pan->Left();
    const int top = BottomOf(form.AF_Bro_Tag_IE_Pan) - 1;
    frame->SetBounds(left, top, deep->Width() - 2 * left, BottomOf(deep) - 2 * left - top);
    MakeGround(frame, kFrameColour);
    frame->BringToFront();
    TTreeView* tree = form.AF_Tree;
    const int treeTop = frame->Top() + 1;
    tree->SetBounds(frame->Left() + 1, treeTop, frame->Width() - 2, BottomOf(frame) - 1 - treeTop);
    StyleFileTree(form, tree, {ui::clWhite, u"Arial", false});
}

// The creation tops of the source group and the IE tab, below tabs of the current height.
void PlaceTopsBelowTabs(TMainForm& form)
{
    const int tb = TabBottom(form);
    form.AF_PC_Sel_BK_Deep_Lab->SetTop(tb + kGap);
    form.AF_PC_Sel_BK_Light_Lab->SetTop(form.AF_PC_Sel_BK_Deep_Lab->Top() + 1);
    form.AF_PC_Sel_Title_Lab->SetTop(form.AF_PC_Sel_BK_Light_Lab->Top() + 3);
    form.AF_PC_Sel_Pan_BK_Lab->SetTop(form.AF_PC_Sel_Title_Lab->Top() - 1);
    form.AF_PC_Sel_Pan->SetTop(form.AF_PC_Sel_Pan_BK_Lab->Top() + 1);
    form.AF_BK_Deep_Lab->SetTop(tb - 1);
    form.AF_BK_Light_Lab->SetTop(form.AF_BK_Deep_Lab->Top() + 1);
}

// The IE tab below the tabs (Backup) or below the source group (Restore), the tree frame and tree
// hanging from it.
void PlaceIeTabTop(TMainForm& form, OperationTab tab)
{
    const int top = tab == OperationTab::Backup ? TabBottom(form) + kGap : BottomOf(form.AF_PC_Sel_BK_Deep_Lab) + 3;
    form.AF_Bro_Tag_IE_Pan->SetTop(top);
    form.AF_Tree_BK_Lab->SetTop(BottomOf(form.AF_Bro_Tag_IE_Pan) - 1);
    form.AF_Tree->SetTop(form.AF_Tree_BK_Lab->Top() + 1);
}

void RelayoutFavoritesPage(TMainForm& form, LayoutDirection direction)
{
    const bool mirrored = direction == LayoutDirection::RightToLeft;
    TPanel* page = form.App_Fav_Pan;
    const TPanel* overview = form.Sum_Pro_Pan;
    page->SetBounds(overview->Left(), page->Top(), overview->Width(), overview->Height());
    const int w = page->Width();
    const int ylow = LowerRuleY(form, page);
    const bool backupTab = ChosenTab(form) == OperationTab::Backup;

    TPanel* backup = form.AF_OP_Tag_Bac_Pan;
    TPanel* restore = form.AF_OP_Tag_Res_Pan;
    if (mirrored) {
        backup->SetLeft(w - backup->Width());
        restore->SetLeft(backup->Left() - kTabGap - restore->Width());
    } else {
        backup->SetLeft(0);
        restore->SetLeft(RightOf(backup) + kTabGap);
    }

    TLabel* bar = form.AF_DestBK_Lab;
    bar->SetBounds(bar->Left(), ylow - bar->Height() - kGap, w, bar->Height());
    TLabel* destTitle = form.AF_Dest_Title_Lab;
    destTitle->SetBounds(destTitle->Left(), bar->Top() + 1, bar->Width() - 2, destTitle->Height());
    TPanel* destPan = form.AF_Dest_Pan;
    destPan->SetBounds(destPan->Left(), BottomOf(destTitle) + 1, destTitle->Width(), destPan->Height());
    PlaceSelectorParts(destPan, form.AF_Dest_SelBtn_Img, form.AF_Dest_Edit, form.AF_Dest_CBox, direction);
    TImage* arrow = form.AF_ArrowIcon_Img;
    arrow->SetBounds(bar->Left() + (bar->Width() - arrow->Width()) / 2, bar->Top() - arrow->Height() - kGap,
                     arrow->Width(), arrow->Height());

    TLabel* deep = form.AF_BK_Deep_Lab;
    const int deepBottom = backupTab ? arrow->Top() - kGap : ylow - kGap;
    deep->SetBounds(deep->Left(), deep->Top(), w, deepBottom - deep->Top());
    TLabel* light = form.AF_BK_Light_Lab;
    light->SetBounds(light->Left(), light->Top(), deep->Width() - 2, deep->Height() - 2);

    TLabel* source = form.AF_PC_Sel_BK_Deep_Lab;
    SetLeftWidth(source, source->Left(), deep->Width() - 2 * source->Left());
    TLabel* sourceLight = form.AF_PC_Sel_BK_Light_Lab;
    SetLeftWidth(sourceLight, sourceLight->Left(), source->Width() - 2);
    TLabel* sourceTitle = form.AF_PC_Sel_Title_Lab;
    TLabel* selectorFrame = form.AF_PC_Sel_Pan_BK_Lab;
    if (mirrored) {
        sourceTitle->SetLeft(RightOf(sourceLight) - sourceTitle->Width() - 3);
        const int left = sourceLight->Left() + 2;
        SetLeftWidth(selectorFrame, left, sourceTitle->Left() - 2 - left);
    } else {
        sourceTitle->SetLeft(sourceLight->Left() + 3);
        const int left = RightOf(sourceTitle);
        SetLeftWidth(selectorFrame, left, RightOf(sourceLight) - 2 - left);
    }
    TPanel* sourcePan = form.AF_PC_Sel_Pan;
    SetLeftWidth(sourcePan, selectorFrame->Left() + 1, selectorFrame->Width() - 2);
    PlaceSelectorParts(sourcePan, form.AF_PC_Sel_Btn_Img, form.AF_PC_Show_Edit, form.AF_PC_Sel_CBox, direction);

    TPanel* ie = form.AF_Bro_Tag_IE_Pan;
    ie->SetLeft(mirrored ? w - ie->Width() - kIeInset : backup->Left() + kIeInset);
    TLabel* treeFrame = form.AF_Tree_BK_Lab;
    if (backupTab) {
        treeFrame->SetTop(BottomOf(ie) - 1);
    }
    const int left = mirrored ? kIeInset : ie->Left();
    treeFrame->SetBounds(left, treeFrame->Top(), deep->Width() - 2 * left,
                         BottomOf(deep) - 2 * left - treeFrame->Top());
    TTreeView* tree = form.AF_Tree;
    tree->SetBounds(tree->Left(), tree->Top(), treeFrame->Width() - 2, BottomOf(treeFrame) - 1 - tree->Top());
}

}  // namespace

void LayoutFavoritesPage(TMainForm& form)
{
    TPanel* page = form.App_Fav_Pan;
    TPanel* overview = form.Sum_Pro_Pan;
    page->SetBounds(overview->Left(), overview->Top(), overview->Width(), overview->Height());
    page->SetColor(overview->Color());
    page->SetDoubleBuffered(true);
    page->Hide();

    const SkinTab backup = BackupTab(form);
    backup.Pan->SetBounds(0, 0, kTabWidth, kTallTabHeight);
    backup.Pan->SetColor(ui::clWhite);
    BuildSkinTab(form, backup, kTallSelectedTab, u"Backup", TabClicks::Yes);
    const SkinTab restore = RestoreTab(form);
    restore.Pan->SetBounds(RightOf(backup.Pan) + kTabGap, backup.Pan->Top(), backup.Pan->Width(), backup.Pan->Height());
    restore.Pan->SetColor(backup.Pan->Color());
    BuildSkinTab(form, restore, kTallOtherTab, u"Restore", TabClicks::Yes);

    BuildDestination(form);
    BuildPageFrame(form);
    BuildSource(form);
    BuildIeTab(form);
    BuildTree(form);
}

void LayoutRtlFavoritesPage(TMainForm& form)
{
    PlaceTopsBelowTabs(form);
    PlaceIeTabTop(form, OperationTab::Backup);
    RelayoutFavoritesPage(form, LayoutDirection::RightToLeft);
}

void SelectFavoritesTab(TMainForm& form, bool backup)
{
    if (form.CurrentPage == WorkPage::Favorites) {
        form.RB_Btn_Lab->SetCaption(LookupText(*form.LangTable, backup ? 20024 : 20027));
        if (form.LangId == kRtlLangId) {
            LayoutRtlWorkButtons(form);
        } else {
            LayoutWorkButtons(form);
        }
    }
    const OperationTab tab = backup ? OperationTab::Backup : OperationTab::Restore;
    PlaceIeTabTop(form, tab);
    ShowOperationTabSkins(form, tab);
    for (TControl* c :
         std::initializer_list<TControl*>{form.AF_PC_Sel_BK_Deep_Lab, form.AF_PC_Sel_BK_Light_Lab,
                                          form.AF_PC_Sel_Title_Lab, form.AF_PC_Sel_Pan_BK_Lab, form.AF_PC_Sel_Pan}) {
        c->SetVisible(!backup);
    }
    for (TControl* c : std::initializer_list<TControl*>{form.AF_DestBK_Lab, form.AF_Dest_Title_Lab, form.AF_Dest_Pan,
                                                        form.AF_ArrowIcon_Img}) {
        c->SetVisible(backup);
    }
}

void RelayoutLtrFavoritesPage(TMainForm& form)
{
    RelayoutFavoritesPage(form, LayoutDirection::LeftToRight);
}

void RelayoutRtlFavoritesPage(TMainForm& form)
{
    RelayoutFavoritesPage(form, LayoutDirection::RightToLeft);
}

void ApplyFavoritesCaptions(TMainForm& form)
{
    const TStringList& table = *form.LangTable;
    form.AFT_Bac_Lab->SetCaption(LookupText(table, 20024));
    form.AFT_Res_Lab->SetCaption(LookupText(table, 20027));
    form.AF_PC_Sel_Title_Lab->SetCaption(LookupText(table, 20066));
    form.AF_Dest_Title_Lab->SetCaption(LookupText(table, 20062));

    const SkinTab tabs[] = {BackupTab(form), RestoreTab(form)};
    bool tall = false;
    for (const SkinTab& tab : tabs) {
        tall = tall || TextExceedsWidth(tab.Lab, tab.Lab->Caption(), tab.Lab->Width());
    }
    const int h = tall ? kTallTabHeight : kShortTabHeight;
    for (const SkinTab& tab : tabs) {
        SetSkinTabHeight(tab, h);
    }
    ShowOperationTabSkins(form, ChosenTab(form));

    TLabel* bar = form.AF_DestBK_Lab;
    bar->SetTop(LowerRuleY(form, form.App_Fav_Pan) - bar->Height() - kGap);
    form.AF_Dest_Title_Lab->SetTop(bar->Top() + 1);
    form.AF_Dest_Pan->SetTop(BottomOf(form.AF_Dest_Title_Lab) + 1);
    TImage* arrow = form.AF_ArrowIcon_Img;
    arrow->SetTop(bar->Top() - arrow->Height() - kGap);
    PlaceTopsBelowTabs(form);
    TLabel* deep = form.AF_BK_Deep_Lab;
    deep->SetHeight(arrow->Top() - kGap - deep->Top());
    form.AF_BK_Light_Lab->SetHeight(deep->Height() - 2);
    PlaceIeTabTop(form, ChosenTab(form));
    TLabel* treeFrame = form.AF_Tree_BK_Lab;
    treeFrame->SetHeight(BottomOf(deep) - 2 * treeFrame->Left() - treeFrame->Top());
    form.AF_Tree->SetHeight(BottomOf(treeFrame) - form.AF_Tree->Top() - 1);
}
