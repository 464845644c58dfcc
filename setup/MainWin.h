#pragma once
// The setup wizard: one borderless 500 x 400 window whose five pages (licence text, options,
// start, installing, completed) share one place. Its class has the name the backup application's
// main window has too, so it lives in namespace setup.

#include "backup/skin/UiNames.h"
#include "ui/controls/progress_bar.h"

#include <array>
#include <memory>

namespace setup {

using ui::TColor;
using ui::TProgressBar;

inline constexpr int kWizardWidth = 500;
inline constexpr int kWizardHeight = 400;

enum WizardPageNumber { kLicensePage = 1, kOptionsPage = 2, kStartPage = 3, kInstallingPage = 4, kCompletedPage = 5 };

class TMainForm : public TForm {
public:
    explicit TMainForm(TComponent* owner);
    ~TMainForm() override;

    // Window, bands and buttons.
    TLabel* Main_BK_White_Lab = nullptr;
    TLabel* Main_BK_Black_Lab = nullptr;
    TLabel* Top_BK_Lab = nullptr;
    TLabel* Top_Title_Lab = nullptr;
    TLabel* Main_BK_Up_Lab = nullptr;
    TLabel* Main_BK_Down_Lab = nullptr;
    TImage* Logo_Product_Img = nullptr;
    TLabel* Main_Title_Lab = nullptr;
    TLabel* BackBtn_BK_Lab = nullptr;
    TLabel* BackBtn_Lab = nullptr;
    TLabel* QuitBtn_BK_Lab = nullptr;
    TLabel* QuitBtn_Lab = nullptr;
    TLabel* NextBtn_BK_Lab = nullptr;
    TLabel* NextBtn_Lab = nullptr;
    TMemo* License_Memo = nullptr;

    // Page area and step indicators.
    TPanel* Main_Pan = nullptr;
    TPanel* Step_1_Pan = nullptr;
    TPanel* Step_2_Pan = nullptr;
    TPanel* Step_3_Pan = nullptr;
    TPanel* Step_4_Pan = nullptr;
    TLabel* Step_1_Lab = nullptr;
    TLabel* Step_2_Lab = nullptr;
    TLabel* Step_3_Lab = nullptr;
    TLabel* Step_4_Lab = nullptr;
    TImage* Step_Arrow_0_Img = nullptr;
    TImage* Step_Arrow_1_Img = nullptr;
    TImage* Step_Arrow_2_Img = nullptr;
    TImage* Main_BK_Logo_Img = nullptr;

    // Start page.
    TPanel* Start_Pan = nullptr;
    TLabel* Lang_Lab = nullptr;
    TComboBox* Lang_CBox = nullptr;
    TImage* Lic_Check_Img = nullptr;
    TLabel* Lic_Check_Lab = nullptr;
    TLabel* Lic_Link_Lab = nullptr;

    // Options page.
    TPanel* Options_Pan = nullptr;
    TLabel* SavePath_Title_Lab = nullptr;
    TLabel* SavePath_BK_Black_Lab = nullptr;
    TLabel* SavePath_BK_White_Lab = nullptr;
    TEdit* SavePath_Edit = nullptr;
    TImage* Shortcut_Check_Img = nullptr;
    TLabel* Shortcut_Check_Lab = nullptr;
    TImage* RunAfterBoot_Check_Img = nullptr;
    TLabel* RunAfterBoot_Check_Lab = nullptr;

    // Installing page.
    TPanel* Progress_Pan = nullptr;
    TLabel* Progress_BK_Black_Lab = nullptr;
    TLabel* Progress_BK_White_Lab = nullptr;
    TLabel* Progress_BK_Bar_Lab = nullptr;
    TLabel* Progress_Percent_Lab = nullptr;
    TProgressBar* Progress_Bar = nullptr;

    int WizardPage = kStartPage;
    bool LicenseAccepted = false;
    bool DesktopShortcut = true;
    bool RunAfterBoot = true;
    int LangId = 0;
    BYTE FontCharset = 1;
    std::unique_ptr<TStringList> LangTable;
    std::array<TColor, 7> WizardPalette{};

    void FormCreate(TObject* Sender);
    void FormActivate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void ShowPage();
    void BackBtn_LabClick(TObject* Sender);
    void NextBtn_LabClick(TObject* Sender);
    void QuitBtn_LabClick(TObject* Sender);
    void Lic_Link_LabClick(TObject* Sender);
    void Lic_Check_ImgClick(TObject* Sender);
    void Shortcut_Check_ImgClick(TObject* Sender);
    void RunAfterBoot_Check_ImgClick(TObject* Sender);
    void Lang_CBoxChange(TObject* Sender);
    void BackBtn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void NextBtn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void QuitBtn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void BackBtn_LabMouseLeave(TObject* Sender);
    void NextBtn_LabMouseLeave(TObject* Sender);
    void QuitBtn_LabMouseLeave(TObject* Sender);
    void Top_Title_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

private:
    void BindHandlers();
    void ShowLicensePage();
    void ShowOptionsPage();
    void ShowStartPage();
    void ShowInstallingPage();
    void ShowCompletedPage();
    void SetNextEnabled(bool enabled);
    void ShowCurrentStep(int step);
    // The buttons that show; the others hide.
    struct ShownButtons {
        bool Back = false;
        bool Next = false;
        bool Quit = false;
    };
    void SetButtonsVisible(ShownButtons shown);

    // The activation event is the first showing only; the checks must not run again.
    bool activationChecked_ = false;
};

extern TMainForm* MainForm;

}  // namespace setup
