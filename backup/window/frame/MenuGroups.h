#pragma once
// The six menu groups of the main window and their sub-buttons, in menu order, with the pages they
// select: the one description that the menu builder, the navigation and the button skins share.

#include "backup/window/frame/MainWin.h"

#include <array>
#include <span>

struct MenuSubButton {
    TImage* TMainForm::*Img;
    TLabel* TMainForm::*Lab;
    int Page;
    const char16_t* DefaultCaption;
};

struct MenuGroup {
    TImage* TMainForm::*BtnImg;
    TImage* TMainForm::*IcoImg;
    TLabel* TMainForm::*BtnLab;
    int IconSkin;
    const char16_t* DefaultCaption;
    std::span<const MenuSubButton> SubButtons;
    // Refused while a job runs (the job pages' groups).
    bool IdleGated;
};

// The picture of the shown page's sub-button, in each reading order.
inline constexpr int kSubSelectedSkin = 22022;
inline constexpr int kSubSelectedMirroredSkin = 27010;

const std::array<MenuGroup, kMenuGroupCount>& MenuGroups();
// The group index (0 Summary to 5 Settings) of a page 1 to 12; -1 for any other number.
int GroupOfPage(int page);
// The sub-button of a page 1 to 12; nullptr for any other number.
const MenuSubButton* SubButtonOfPage(int page);
