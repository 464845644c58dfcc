#pragma once
// TAutoStartForm: the countdown before an automatic Easy Backup to a connected drive. It counts
// the seconds down, then rescans and starts the backup, and stays up as that run's progress view.

#include "backup/skin/SkinButton.h"
#include "backup/skin/UiNames.h"

#include <string>

class TMainForm;

class TAutoStartForm : public TForm, public SkinButtonPair {
public:
    explicit TAutoStartForm(TComponent* owner);

    TImage* MainBK_Left_Img = nullptr;
    TImage* MainBK_Center = nullptr;
    TImage* MainBK_Right_Img = nullptr;
    TImage* Underlay_Img = nullptr;
    TImage* VemoLogo_Img = nullptr;
    TImage* Client_LogoBK_Img = nullptr;
    TImage* Step1_Img = nullptr;
    TImage* Step2_Img = nullptr;
    TImage* Step3_Img = nullptr;
    TLabel* Step_Title_Lab = nullptr;
    TLabel* Step_Des_Lab = nullptr;
    TLabel* CountDown_Lab = nullptr;
    TLabel* CountDown_Sec_Lab = nullptr;
    TLabel* Scan_ShowFileName_Lab = nullptr;
    TImage* Act_Ico_Img = nullptr;
    TPanel* Progress_Pan = nullptr;
    TLabel* Progress_File_Path_Lab = nullptr;
    TLabel* Progress_File_BK_Deep_Lab = nullptr;
    TLabel* Progress_File_BK_Light_Lab = nullptr;
    TImage* Progress_File_Bar_Img = nullptr;
    TImage* Progress_File_Percent_BK_Img = nullptr;
    TLabel* Progress_File_Percent_Lab = nullptr;
    TLabel* Progress_Total_RemainTime_Lab = nullptr;
    TLabel* Progress_Total_BK_Deep_Lab = nullptr;
    TLabel* Progress_Total_BK_Light_Lab = nullptr;
    TImage* Progress_Total_Bar_Img = nullptr;
    TImage* Progress_Total_Percent_BK_Img = nullptr;
    TLabel* Progress_Total_Percent_Lab = nullptr;
    TTimer* ActTimer = nullptr;

    std::int32_t RemainingSeconds = 0;  // -1 once the backup has started
    int AutoStartStep = 1;  // 1 countdown, 2 scanning, 3 backing up
    int BarTrackWidth = 0;
    BYTE StartNow = 0;
    BYTE Cancelled = 0;
    std::u16string TargetPath;

    void FormCreate(TObject* Sender);
    void FormActivate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void ActTimerTimer(TObject* Sender);
    void LB_Btn_LabClick(TObject* Sender);
    void RB_Btn_LabClick(TObject* Sender);
    void FormMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void MainBK_CenterMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void LB_Btn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void LB_Btn_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void LB_Btn_LabMouseLeave(TObject* Sender);
    void RB_Btn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void RB_Btn_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void RB_Btn_LabMouseLeave(TObject* Sender);

private:
    void CreateControls();
    void LayoutAutoStartForm();
    void LayoutButtons();
    void LayoutProgressPanel();
    void BindHandlers();
    // Countdown over: rescan, then the Easy Backup to TargetPath inside this window.
    void StartBackup();
};

// Shows the countdown modally for the root; returns once the window has closed and been freed.
void ShowAutoStartCountdown(TMainForm& form, const std::u16string& root);
// Closes the window when there is one and asks the running job to stop.
void CloseAutoStartCountdown(TMainForm& form);
void ShowAutoStartScanning(TAutoStartForm& window);
void ShowAutoStartBackingUp(TAutoStartForm& window);
