#pragma once
// The controls of the restore page (pages 5 and 6), created and bound as the form description
// declares them, and the table of its six category rows.

#include "backup/window/frame/MainWin.h"

#include <array>

// One category row of the Easy Restore block, Document to Other.
struct RestoreCategoryRow {
    TLabel* TMainForm::*Ground;
    TImage* TMainForm::*Check;
    TImage* TMainForm::*Icon;
    TLabel* TMainForm::*Name;
    TLabel* TMainForm::*Size;
    TLabel* TMainForm::*Time;
    int IconSkin;
    const char16_t* CreationCaption;
};

constexpr int kRestoreRowCount = 6;

const std::array<RestoreCategoryRow, kRestoreRowCount>& RestoreCategoryRows();

// After Res_Pan exists.
void CreateRestorePageControls(TMainForm& form);
void BindRestorePageHandlers(TMainForm& form);
