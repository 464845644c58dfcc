#pragma once
// What the program's small message windows share: a borderless white window with round corners
// over a three-part background picture, and a row of three skinned buttons ("Yes" and "No" side by
// side, "OK" centred between them).

#include "backup/skin/SkinButton.h"
#include "backup/skin/UiNames.h"

class TSkinBoxForm : public TForm, public SkinButtonPair {
public:
    TImage* Main_BG_Left_Img = nullptr;
    TImage* Main_BG_Line_Img = nullptr;
    TImage* Main_BG_Right = nullptr;
    TPanel* Btn_Center_Pan = nullptr;
    TImage* CB_BK_Left_Img = nullptr;
    TImage* CB_BK_Center_Img = nullptr;
    TImage* CB_BK_Right_Img = nullptr;
    TLabel* CB_Btn_Lab = nullptr;

    int ButtonCornerSize = 5;

    SkinButtonParts CenterButton() const;
    // All nine button images back to their normal skins.
    void ResetButtonLooks();
    // Enter presses OK on a notice and No on a question, so that a stray key never confirms;
    // Escape closes the box with no answer, as the window's close command does.
    void HandleBoxKey(WORD key);

protected:
    explicit TSkinBoxForm(TComponent* owner);

    void CreateBackground();
    void CreateButtons();
    // The window at width x height with its background pictures stretched over it.
    void LayoutBox(int width, int height);
    // The three buttons along the bottom edge, left to right, in the charset.
    void LayoutButtons(int charset);
    // The hover look on one button, unless the left mouse button is held.
    void HoverButton(const SkinButtonParts& button, TShiftState shift);
};

// Drags a borderless window from where the mouse is held.
void DragWindow(TForm* form);
