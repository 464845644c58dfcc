#include "backup/window/layout/SkinTabs.h"

#include "backup/skin/ResourceLoaders.h"
#include "backup/window/layout/LayoutHelpers.h"

namespace {

constexpr int kCapWidth = 4;
constexpr int kCaptionInset = 5;
constexpr int kFontHeight = 15;

}  // namespace

const TabSkins& TabSkinsOf(int height, bool chosen)
{
    if (height < kTallTabHeight) {
        return chosen ? kShortSelectedTab : kShortOtherTab;
    }
    return chosen ? kTallSelectedTab : kTallOtherTab;
}

void ShowTabSkins(const SkinTab& tab, const TabSkins& skins)
{
    LoadPngResource(tab.Left, skins.Left);
    LoadPngResource(tab.Center, skins.Center);
    LoadPngResource(tab.Right, skins.Right);
}

void BuildSkinTab(TMainForm& form, const SkinTab& tab, const TabSkins& skins, const char16_t* caption, TabClicks clicks)
{
    const bool clickable = clicks == TabClicks::Yes;
    TPanel* pan = tab.Pan;
    pan->SetDoubleBuffered(true);
    pan->BringToFront();
    pan->Show();
    const int h = pan->Height();
    tab.Left->SetBounds(-1, 0, kCapWidth, h);
    tab.Center->SetBounds(RightOf(tab.Left), 0, pan->Width() - 2 * kCapWidth + 1, h);
    tab.Right->SetBounds(RightOf(tab.Center), 0, kCapWidth, h);
    ShowTabSkins(tab, skins);
    TLabel* lab = tab.Lab;
    lab->SetBounds(kCaptionInset, 0, pan->Width() - 2 * kCaptionInset, h);
    lab->SetCursor(clickable ? ui::crHandPoint : ui::crDefault);
    lab->SetAlignment(ui::TAlignment::taCenter);
    lab->SetLayout(ui::TTextLayout::tlCenter);
    lab->SetWordWrap(clickable);
    lab->SetTransparent(true);
    SetCaptionFont(lab, TMainForm::Palette[8], kFontHeight, form.FontCharset);
    lab->SetCaption(caption);
    lab->BringToFront();
}

void SetSkinTabHeight(const SkinTab& tab, int height)
{
    for (TControl* part : std::initializer_list<TControl*>{tab.Pan, tab.Left, tab.Center, tab.Right, tab.Lab}) {
        part->SetHeight(height);
    }
}
