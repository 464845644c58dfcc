#pragma once
// TSelDest_Form: the modal window in which the user chooses where a restore goes, back to each
// file's original location or into one folder.

#include "backup/skin/SkinButton.h"
#include "backup/skin/UiNames.h"

#include <string>

class TSelDest_Form : public TForm, public SkinButtonPair {
public:
    // Reads the main window's language, charset and palette; ToOriginal 1, Cancelled 0.
    explicit TSelDest_Form(TComponent* owner);

    TLabel* BK_Lab = nullptr;
    TImage* Ori_Check_Img = nullptr;
    TImage* Sel_Check_Img = nullptr;
    TLabel* Ori_Lab = nullptr;
    TLabel* Sel_Lab = nullptr;
    TLabel* Dest_BK_Lab = nullptr;
    TLabel* Dest_Title_Lab = nullptr;
    TEdit* Dest_Edit = nullptr;
    TImage* Btn_Browser_Img = nullptr;

    BYTE ToOriginal = 1;
    BYTE Cancelled = 0;  // 1 only after Cancel; any other way of closing counts as OK

    // Shows the state of ToOriginal; the opener calls it again after setting ToOriginal.
    void ApplyDestinationChoice();

    void FormCreate(TObject* Sender);
    void FormMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Ori_Check_ImgClick(TObject* Sender);
    void Sel_Check_ImgClick(TObject* Sender);
    void Btn_Browser_ImgClick(TObject* Sender);
    void Btn_Browser_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Btn_Browser_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void RB_Btn_LabClick(TObject* Sender);
    void RB_Btn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void RB_Btn_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void LB_Btn_LabClick(TObject* Sender);
    void LB_Btn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void LB_Btn_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void BK_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

    SkinButtonParts CancelButton() const;
    SkinButtonParts OkButton() const;

private:
    void CreateControls();
    void BindHandlers();
    void LayoutSelDestForm();
    void LayoutSelDestCancelButton();
    void LayoutSelDestOkButton();
    void MirrorSelDestForm();
    void ResetSelDestSkins();
};

// What the Restore page's browse button does: shows the window over the current choice (captions
// from the language table) and, unless the user cancels, takes the new choice into the arguments
// and saves it in "DestSetRes.ini". After Cancel nothing changes, the file included. True when
// the choice was accepted.
bool ChooseRestoreDestination(BYTE& restoreToOriginal, std::u16string& destination);
