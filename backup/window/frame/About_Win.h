#pragma once
// TAboutForm: a small borderless window with the program's version and the legal texts of the
// language table, shown modally and closed by a click anywhere on it.

#include "backup/skin/UiNames.h"

class TAboutForm : public TForm {
public:
    // Reads the main window's language, charset and version caption.
    explicit TAboutForm(TComponent* owner);

    TImage* BG_Img = nullptr;
    TImage* Product_Logo = nullptr;
    TLabel* CopyRight_Lab = nullptr;
    TLabel* Version_Lab = nullptr;
    TLabel* Corporation_Lab = nullptr;
    TLabel* Address_Lab = nullptr;

    void FormCreate(TObject* Sender);
    void BG_ImgClick(TObject* Sender);
    void CopyRight_LabClick(TObject* Sender);

private:
    void CreateControls();
    void Layout();
};
