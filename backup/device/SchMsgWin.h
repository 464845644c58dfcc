#pragma once
// TSchMsgForm: the notice before a scheduled backup. It counts down ten seconds from its
// construction and then accepts on its own, unless a button closes it first.

#include "backup/frame/SkinButton.h"
#include "backup/frame/UiNames.h"

class TSchMsgForm : public TForm {
public:
    explicit TSchMsgForm(TComponent* owner);

    TImage* Main_BG_Left_Img = nullptr;
    TImage* Main_BG_Line_Img = nullptr;
    TImage* Main_BG_Right = nullptr;
    TLabel* Msg_Lab = nullptr;
    TLabel* Sch_Title_Lab = nullptr;
    TLabel* Sch_Time_Lab = nullptr;
    TLabel* Sch_BacType_Lab = nullptr;
    TLabel* Sch_Countdown_Lab = nullptr;
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
    TTimer* CountDown_Timer = nullptr;

    int Countdown = 10;
    int ButtonCornerSize = 5;
    // 1: run the scheduled backup.
    BYTE Accepted = 0;

    void FormCreate(TObject* Sender);
    void CountDown_TimerTimer(TObject* Sender);
    void FormMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Main_BG_Line_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void LB_Btn_LabClick(TObject* Sender);
    void RB_Btn_LabClick(TObject* Sender);
    void CB_Btn_LabClick(TObject* Sender);

    SkinButtonParts LeftButton() const;
    SkinButtonParts RightButton() const;
    SkinButtonParts CenterButton() const;
    void ResetButtonLooks();

private:
    void CreateControls();
    void Layout(int charset);
    void BindHandlers();
    void BindButton(const SkinButtonParts& button);
};
