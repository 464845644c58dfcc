#pragma once
// TMsgForm: the program's one message box, a small skinned window with an icon, a word-wrapped
// text and up to three image buttons, shown modally. The presenters fill it and read MsgResult.

#include "backup/frame/SkinButton.h"
#include "backup/frame/UiNames.h"

class TMsgForm : public TForm {
public:
    explicit TMsgForm(TComponent* owner);

    TImage* Main_BG_Left_Img = nullptr;
    TImage* Main_BG_Line_Img = nullptr;
    TImage* Main_BG_Right = nullptr;
    TImage* Msg_Ico_Img = nullptr;
    TLabel* Msg_Lab = nullptr;
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
    TPanel* Btn_Center_Pan = nullptr;
    TImage* CB_BK_Left_Img = nullptr;
    TImage* CB_BK_Center_Img = nullptr;
    TImage* CB_BK_Right_Img = nullptr;
    TLabel* CB_Btn_Lab = nullptr;

    int ButtonCornerSize = 5;
    // 1 after the left button, 0 after the right one; the centre button and closing leave it.
    BYTE MsgResult = 0;

    void FormCreate(TObject* Sender);
    void Main_BG_Line_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Main_BG_Line_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void LB_Btn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void RB_Btn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void CB_Btn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void LB_Btn_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void RB_Btn_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void CB_Btn_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    // Also called with no sender by the push-button poll to answer "Yes".
    void LB_Btn_LabClick(TObject* Sender);
    void RB_Btn_LabClick(TObject* Sender);
    void CB_Btn_LabClick(TObject* Sender);

    SkinButtonParts LeftButton() const;
    SkinButtonParts RightButton() const;
    SkinButtonParts CenterButton() const;
    // All nine button images back to their normal skins.
    void ResetButtonLooks();

private:
    void CreateControls();
    void Layout(int charset, bool rightToLeft);
    void BindHandlers();
    void HoverButton(const SkinButtonParts& button, TShiftState shift);
};

// True when the text, measured in the label's font, is wider than the limit.
bool TextExceedsWidth(TLabel* label, const std::u16string& text, int limit);

// Drags a borderless window from where the mouse is held.
void DragWindow(TForm* form);
