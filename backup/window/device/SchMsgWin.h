#pragma once
// TSchMsgForm: the notice before a scheduled backup. It counts down ten seconds from its
// construction and then accepts on its own, unless a button closes it first.

#include "backup/skin/SkinBox.h"

class TSchMsgForm : public TSkinBoxForm {
public:
    explicit TSchMsgForm(TComponent* owner);

    TLabel* Msg_Lab = nullptr;
    TLabel* Sch_Title_Lab = nullptr;
    TLabel* Sch_Time_Lab = nullptr;
    TLabel* Sch_BacType_Lab = nullptr;
    TLabel* Sch_Countdown_Lab = nullptr;
    TTimer* CountDown_Timer = nullptr;

    int Countdown = 10;
    // 1: run the scheduled backup.
    BYTE Accepted = 0;

    void FormCreate(TObject* Sender);
    void CountDown_TimerTimer(TObject* Sender);
    void FormMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Main_BG_Line_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void LB_Btn_LabClick(TObject* Sender);
    void RB_Btn_LabClick(TObject* Sender);
    void CB_Btn_LabClick(TObject* Sender);

private:
    void CreateControls();
    void Layout(int charset);
    void BindHandlers();
    void BindButton(const SkinButtonParts& button);
};
