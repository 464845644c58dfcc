#pragma once
// A page tab drawn from three skin pieces (a 4-px left cap, a centre piece, a 4-px right cap) under
// a centred caption, and the skin sets of the operation tabs.

#include "backup/window/frame/MainWin.h"

struct TabSkins {
    int Left, Center, Right;
};
inline constexpr TabSkins kTallSelectedTab{23063, 23065, 23067};
inline constexpr TabSkins kTallOtherTab{23064, 23066, 23068};
inline constexpr TabSkins kShortSelectedTab{23069, 23071, 23073};
inline constexpr TabSkins kShortOtherTab{23070, 23072, 23074};
inline constexpr int kTallTabHeight = 35;
inline constexpr int kShortTabHeight = 20;
// The pictures match the tab's height: the short set on a short tab, the tall set otherwise.
const TabSkins& TabSkinsOf(int height, bool chosen);

struct SkinTab {
    TPanel* Pan;
    TImage* Left;
    TImage* Center;
    TImage* Right;
    TLabel* Lab;
};

enum class TabClicks { No, Yes };

void ShowTabSkins(const SkinTab& tab, const TabSkins& skins);
// Inside a tab panel already placed: the pieces over its height, the skins, and the caption label
// (hand cursor and word wrap when the tab takes clicks); the panel shown in front.
void BuildSkinTab(TMainForm& form, const SkinTab& tab, const TabSkins& skins, const char16_t* caption,
                  TabClicks clicks);
// The tab, its pieces and its caption take the height.
void SetSkinTabHeight(const SkinTab& tab, int height);
