#include "backup/window/layout/BackupSettingsPage.h"

#include "backup/base/Language.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/MsgWin.h"
#include "backup/window/layout/HotkeyBlock.h"
#include "backup/window/layout/LaunchMethodBlock.h"
#include "backup/window/layout/LayoutHelpers.h"
#include "backup/window/layout/ScheduleBlock.h"
#include "backup/window/layout/SettingsTabBlocks.h"
#include "backup/window/layout/SkinTabs.h"
#include "backup/window/layout/UpdatePage.h"

namespace {

constexpr int kTabWidth = 130;
constexpr int kTabGap = 2;

std::array<SkinTab, 3> Tabs(TMainForm& form)
{
    return {{{form.SB_Tag_Startup_Pan, form.SBT_Startup_BK_Left_Img, form.SBT_Startup_BK_Center_Img,
              form.SBT_Startup_BK_Right_Img, form.SBT_Startup_Lab},
             {form.SB_Tag_Hotkey_Pan, form.SBT_Hotkey_BK_Left_Img, form.SBT_Hotkey_BK_Center_Img,
              form.SBT_Hotkey_BK_Right_Img, form.SBT_Hotkey_Lab},
             {form.SB_Tag_Time_Pan, form.SBT_Time_BK_Left_Img, form.SBT_Time_BK_Center_Img, form.SBT_Time_BK_Right_Img,
              form.SBT_Time_Lab}}};
}

void BuildTab(TMainForm& form, const SkinTab& tab, int left, const TabSkins& skins, const char16_t* caption)
{
    tab.Pan->SetBounds(left, 0, kTabWidth, kTallTabHeight);
    tab.Pan->SetColor(ui::clWhite);
    BuildSkinTab(form, tab, skins, caption, TabClicks::Yes);
}

void LayoutStartupTab(TMainForm& form)
{
    BuildTab(form, Tabs(form)[0], 0, kTallSelectedTab, u"Start up");
}

void LayoutHotkeyTab(TMainForm& form)
{
    BuildTab(form, Tabs(form)[1], RightOf(form.SB_Tag_Startup_Pan) + kTabGap, kTallOtherTab, u"Hotkey");
}

void LayoutScheduleTab(TMainForm& form)
{
    BuildTab(form, Tabs(form)[2], RightOf(form.SB_Tag_Hotkey_Pan) + kTabGap, kTallOtherTab, u"Schedule");
}

bool AnyTabCaptionTooWide(TMainForm& form)
{
    for (const SkinTab& tab : Tabs(form)) {
        if (TextExceedsWidth(tab.Lab, tab.Lab->Caption(), tab.Lab->Width())) {
            return true;
        }
    }
    return false;
}

void PlaceStartupBlock(TMainForm& form)
{
    TPanel* block = form.Set_Bac_Startup_Pan;
    const int top = BottomOf(form.SB_Tag_Startup_Pan) - 1;
    SetTopHeight(block, top, form.Sum_Pro_Pan->Height() - top);
    TLabel* deep = form.Startup_BK_Deep_Lab;
    deep->SetHeight(LowerRuleY(form, block) - 4 - deep->Top());
    TLabel* light = form.Startup_BK_Light_Lab;
    SetTopHeight(light, deep->Top() + 1, deep->Height() - 2);
}

void PlacePageOnOverview(TMainForm& form)
{
    TPanel* page = form.Set_Bac_Pan;
    TPanel* overview = form.Sum_Pro_Pan;
    page->SetBounds(overview->Left(), page->Top(), overview->Width(), overview->Height());
}

}  // namespace

int LowerRuleY(const TMainForm& form, const ui::TPanel* block)
{
    return block->Height() + form.HorzLine_Low_Pan->Top() - form.Work_Pan->Height();
}

void LayoutBackupSettingsPage(TMainForm& form)
{
    TPanel* page = form.Set_Bac_Pan;
    TPanel* overview = form.Sum_Pro_Pan;
    page->SetBounds(overview->Left(), overview->Top(), overview->Width(), overview->Height());
    page->SetColor(overview->Color());
    page->SetDoubleBuffered(true);
    page->Hide();
    LayoutStartupTab(form);
    LayoutHotkeyTab(form);
    LayoutScheduleTab(form);
    LayoutLaunchMethodsPanel(form);
    LayoutHotkeyPanel(form);
    LayoutSchedulePanel(form);
    LayoutUpdatePanel(form);
}

void LayoutRtlBackupSettingsPage(TMainForm& form)
{
    RelayoutRtlSettingsTabs(form);
    LayoutRtlStartupSettings(form);
    LayoutRtlHotkeySettings(form);
    LayoutRtlScheduleSettings(form);
    LayoutUpdatePage(form);
}

void RelayoutLtrSettingsTabs(TMainForm& form)
{
    PlacePageOnOverview(form);
    form.SB_Tag_Startup_Pan->SetLeft(0);
    form.SB_Tag_Hotkey_Pan->SetLeft(RightOf(form.SB_Tag_Startup_Pan) + kTabGap);
    form.SB_Tag_Time_Pan->SetLeft(RightOf(form.SB_Tag_Hotkey_Pan) + kTabGap);
}

void RelayoutRtlSettingsTabs(TMainForm& form)
{
    PlacePageOnOverview(form);
    TPanel* startup = form.SB_Tag_Startup_Pan;
    startup->SetLeft(form.Set_Bac_Pan->Width() - startup->Width());
    TPanel* hotkey = form.SB_Tag_Hotkey_Pan;
    hotkey->SetLeft(startup->Left() - hotkey->Width() - kTabGap);
    form.SB_Tag_Time_Pan->SetLeft(hotkey->Left() - form.SB_Tag_Time_Pan->Width() - kTabGap);
}

void SelectSettingsTab(TMainForm& form)
{
    const int h = AnyTabCaptionTooWide(form) ? kTallTabHeight : kShortTabHeight;
    const auto tabs = Tabs(form);
    for (const SkinTab& tab : tabs) {
        SetSkinTabHeight(tab, h);
    }
    PlaceStartupBlock(form);
    PlaceSettingsTabBlocks(form);
    const int chosen = form.BackupSettingsTab;
    const bool known = chosen >= 1 && chosen <= 3;
    // Before a tab is chosen the pictures still follow the height, with the Start up tab marked
    // as the page was built.
    const int marked = known ? chosen : 1;
    for (int k = 0; k < 3; ++k) {
        ShowTabSkins(tabs[k], TabSkinsOf(h, k + 1 == marked));
    }
    if (known) {
        form.Set_Bac_Startup_Pan->SetVisible(chosen == 1);
    }
}

void ApplyBackupSettingsTabCaptions(TMainForm& form)
{
    const lists::TStringList& table = *form.LangTable;
    form.SBT_Startup_Lab->SetCaption(LookupText(table, 20072));
    form.SBT_Hotkey_Lab->SetCaption(LookupText(table, 20073));
    form.SBT_Time_Lab->SetCaption(LookupText(table, 20074));
    SelectSettingsTab(form);
}

int DeleteIconRowAt(ui::TListView* list, int lastColumnLeft, int x, int y)
{
    const int count = list->Items().Count();
    if (count == 0) {
        return -1;
    }
    const int scroll = list->ScrollX();
    const ui::TListItem* top = list->TopItem();
    const ui::Rect bounds = top->DisplayRect();
    const int rowHeight = bounds.bottom - bounds.top;
    if (rowHeight <= 0) {
        return -1;
    }
    const int row = top->Index() + static_cast<int>(static_cast<double>(y) / rowHeight);
    const int iconWidth = list->SmallImages() != nullptr ? list->SmallImages()->Width() : 0;
    const int px = x + scroll;
    if (px > lastColumnLeft && px <= lastColumnLeft + iconWidth && row <= count - 1) {
        return row;
    }
    return -1;
}
