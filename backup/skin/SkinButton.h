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

// The left and right skinned buttons along a dialog's bottom edge, under the names the dialogs'
// form descriptions give them ("Btn_Left_Pan" with the "LB_" parts, "Btn_Right_Pan" with "RB_").
struct SkinButtonPair {
    TPanel* Btn_Left_Pan = nullptr;
    TImage* LB_BK_Left_Img = nullptr;
    TImage* LB_BK_Center_Img = nullptr;
    TImage* LB_BK_Right_Img = nullptr;
    TLabel* LB_Btn_Lab = nullptr;
    TPanel* Btn_Right_Pan = nullptr;
    TImage* RB_BK_Left_Img = nullptr;
    TImage* RB_BK_Center_Img = nullptr;
    TImage* RB_BK_Right_Img = nullptr;
    TLabel* RB_Btn_Lab = nullptr;

    // Creates both buttons on parent, the left one first.
    void CreateButtonPair(TComponent* owner, TWinControl* parent);
    SkinButtonParts LeftButton() const;
    SkinButtonParts RightButton() const;
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
