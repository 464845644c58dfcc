#pragma once
// The three-part image button of the message windows: a grey panel with a rounded region, a left
// cap, a stretched middle and a right cap, and a transparent caption label over all of it that
// takes the mouse.

#include "backup/skin/UiNames.h"

#include <array>
#include <string>

enum class ButtonLook { Normal, Hover, Pressed };

struct SkinButtonParts {
    TPanel* Pan = nullptr;
    TImage* Left = nullptr;
    TImage* Center = nullptr;
    TImage* Right = nullptr;
    TLabel* Lab = nullptr;
};

// Creates the panel "<panelName>" and "<prefix>_BK_Left_Img", "_BK_Center_Img", "_BK_Right_Img",
// "_Btn_Lab" on it.
SkinButtonParts CreateSkinButton(TComponent* owner, TWinControl* parent, const std::string& panelName,
                                 const std::string& prefix);
// 80 x 25 at (left, top), colour 0x808080, caps 6 x 24, a label over the whole panel with the
// hand cursor, centred text of height 15 in the charset.
void LayoutSkinButton(const SkinButtonParts& button, int left, int top, int cornerSize, int charset,
                      const std::u16string& caption);
void ShowButtonLook(const SkinButtonParts& button, ButtonLook look);
