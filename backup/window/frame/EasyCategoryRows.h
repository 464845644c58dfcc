#pragma once
// The six category rows of the Easy Backup page (Document, Picture, Audio, Video, Mail, Other), in
// row order, with their controls and pictures: the one description that the controls, the layout,
// the capacity display and the page's handlers share.

#include "backup/window/frame/MainWin.h"

#include <array>

struct EasyCategoryRow {
    const char* NamePart;  // Doc, Gra, Aud, Vid, Mai, Oth
    TLabel* TMainForm::*Ground;  // BE_Cls_BK_X_Lab
    TImage* TMainForm::*Check;  // BE_Cls_Check_X_Img
    TImage* TMainForm::*Icon;  // BE_Cls_Ico_X_Img
    TLabel* TMainForm::*Name;  // BE_Cls_IcoDes_X_Lab
    TLabel* TMainForm::*Size;  // BE_Cap_Show_X_Lab
    TLabel* TMainForm::*BarFrame;  // BE_Cls_Bar_BK_Deep_X_Lab
    TLabel* TMainForm::*BarGround;  // BE_Cls_Bar_BK_Light_X_Lab
    TImage* TMainForm::*Bar;  // BE_Cap_Bar_X_Img
    TImage* TMainForm::*Segment;  // BE_TotalCap_X_Img
    const char16_t* CreationCaption;
    int TextId;
    int IconSkin;
    int BarSkin;
};

inline constexpr int kEasyCategoryRowCount = 6;

const std::array<EasyCategoryRow, kEasyCategoryRowCount>& EasyCategoryRows();
