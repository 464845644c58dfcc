#pragma once
// The setup program's message box: a small skinned modal window styled like the wizard, with an
// icon, the message and one (OK) or two (Yes, No) buttons made of labels.

#include "backup/skin/UiNames.h"

#include <string>

namespace setup {

class TMainForm;

enum OkBoxKind { kErrorBox = 1, kInformationBox = 2 };

class TSetupMsgForm : public TForm {
public:
    // Reads the wizard (MainForm) for its language, charset, palette and title.
    explicit TSetupMsgForm(TComponent* owner);

    TLabel* Main_BK_Black_Lab = nullptr;
    TLabel* Top_BK_Lab = nullptr;
    TLabel* Top_Title_Lab = nullptr;
    TLabel* Main_BK_White_Lab = nullptr;
    TImage* MsgLogo_Img = nullptr;
    TLabel* Msg_Lab = nullptr;
    TPanel* Btn_Right_Pan = nullptr;
    TLabel* RB_Btn_Lab = nullptr;
    TPanel* Btn_Left_Pan = nullptr;
    TLabel* LB_Btn_Lab = nullptr;

    BYTE LeftButtonChosen = 0;

    void FormCreate(TObject* Sender);
    void LB_Btn_LabClick(TObject* Sender);
    void RB_Btn_LabClick(TObject* Sender);
    void LB_Btn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void RB_Btn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void LB_Btn_LabMouseLeave(TObject* Sender);
    void RB_Btn_LabMouseLeave(TObject* Sender);
    void Top_Title_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

private:
    void Layout();
    void MirrorLayout();
    void BindHandlers();
    TPanel* NewButton(const std::string& panelName, const std::string& captionName, TLabel*& caption, int left,
                      const std::u16string& text);
};

// An OK box: icon 22001 for kind 1, 22002 for kind 2, else 22004.
void ShowOkBox(TMainForm& wizard, int kind, const std::u16string& text);
// A Yes/No question; true only when Yes (the left button) was clicked.
bool AskYesNo(TMainForm& wizard, const std::u16string& text);

}  // namespace setup
