#pragma once
// TLoading_Form: the small window with a progress bar shown while the main window fills itself.

#include "backup/skin/UiNames.h"

class TLoading_Form : public TForm {
public:
    explicit TLoading_Form(TComponent* owner);

    TImage* Loading_BK_Img = nullptr;
    TLabel* ShowFile_Lab = nullptr;
    TLabel* Progress_BK_Lab = nullptr;
    TImage* Progress_Bar_Img = nullptr;

    DWORD LastPercent = 0;

    void FormCreate(TObject* Sender);

private:
    void LayoutLoadingForm();
};

// Grows the bar one percent step at a time up to percent, letting messages run at each step, then
// waits 100 ms letting messages run.
void SetLoadingPercent(TLoading_Form& window, DWORD percent);
