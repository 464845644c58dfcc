#pragma once
// TMsgForm: the program's one message box, a small skinned window with an icon, a word-wrapped
// text and up to three image buttons, shown modally. The presenters fill it and read MsgResult.

#include "backup/skin/SkinBox.h"

class TMsgForm : public TSkinBoxForm {
public:
    explicit TMsgForm(TComponent* owner);

    TImage* Msg_Ico_Img = nullptr;
    TLabel* Msg_Lab = nullptr;

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

private:
    void CreateControls();
    void Layout(int charset, bool rightToLeft);
    void BindHandlers();
};

// True when the text, measured in the label's font, is wider than the limit.
bool TextExceedsWidth(TLabel* label, const std::u16string& text, int limit);
