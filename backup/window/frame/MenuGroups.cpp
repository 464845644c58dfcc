#include "backup/window/frame/MenuGroups.h"

namespace {

constexpr MenuSubButton kSummary[] = {
    {&TMainForm::Menu_Sum_ProBtn_Img, &TMainForm::Menu_Sum_ProBtn_Lab, 1, u"Product Information"},
    {&TMainForm::Menu_Sum_DevBtn_Img, &TMainForm::Menu_Sum_DevBtn_Lab, 2, u"Device Information"},
};
constexpr MenuSubButton kBackup[] = {
    {&TMainForm::Menu_Bac_EasyBtn_Img, &TMainForm::Menu_Bac_EasyBtn_Lab, 3, u"Easy Backup"},
    {&TMainForm::Menu_Bac_ManualBtn_Img, &TMainForm::Menu_Bac_ManualBtn_Lab, 4, u"Manually Backup"},
};
constexpr MenuSubButton kRestore[] = {
    {&TMainForm::Menu_Res_EasyBtn_Img, &TMainForm::Menu_Res_EasyBtn_Lab, 5, u"Easy Restore"},
    {&TMainForm::Menu_Res_ManualBtn_Img, &TMainForm::Menu_Res_ManualBtn_Lab, 6, u"Manually Restore"},
};
constexpr MenuSubButton kDelete[] = {
    {&TMainForm::Menu_Del_EasyBtn_Img, &TMainForm::Menu_Del_EasyBtn_Lab, 7, u"Files of Easy Backed up"},
    {&TMainForm::Menu_Del_ManualBtn_Img, &TMainForm::Menu_Del_ManualBtn_Lab, 8, u"Files of Manually Backed up"},
};
constexpr MenuSubButton kApplication[] = {
    {&TMainForm::Menu_App_FavBtn_Img, &TMainForm::Menu_App_FavBtn_Lab, 9, u"Favorite"},
};
constexpr MenuSubButton kSettings[] = {
    {&TMainForm::Menu_Set_GenBtn_Img, &TMainForm::Menu_Set_GenBtn_Lab, 10, u"General Settings"},
    {&TMainForm::Menu_Set_BacBtn_Img, &TMainForm::Menu_Set_BacBtn_Lab, 11, u"Backup Settings"},
    {&TMainForm::Menu_Set_UpdBtn_Img, &TMainForm::Menu_Set_UpdBtn_Lab, 12, u"Update"},
};

const std::array<MenuGroup, kMenuGroupCount> kGroups = {{
    {&TMainForm::Menu_SumIndex_BtnImg, &TMainForm::Menu_SumIndex_IcoImg, &TMainForm::Menu_SumIndex_BtnLab, 22009,
     u"Summary", kSummary, false},
    {&TMainForm::Menu_BacIndex_BtnImg, &TMainForm::Menu_BacIndex_IcoImg, &TMainForm::Menu_BacIndex_BtnLab, 22005,
     u"Backup", kBackup, true},
    {&TMainForm::Menu_ResIndex_BtnImg, &TMainForm::Menu_ResIndex_IcoImg, &TMainForm::Menu_ResIndex_BtnLab, 22007,
     u"Restore", kRestore, true},
    {&TMainForm::Menu_DelIndex_BtnImg, &TMainForm::Menu_DelIndex_IcoImg, &TMainForm::Menu_DelIndex_BtnLab, 22006,
     u"Delete", kDelete, true},
    {&TMainForm::Menu_AppIndex_BtnImg, &TMainForm::Menu_AppIndex_IcoImg, &TMainForm::Menu_AppIndex_BtnLab, 22004,
     u"Application", kApplication, true},
    {&TMainForm::Menu_SetIndex_BtnImg, &TMainForm::Menu_SetIndex_IcoImg, &TMainForm::Menu_SetIndex_BtnLab, 22008,
     u"Settings", kSettings, false},
}};

}  // namespace

const std::array<MenuGroup, kMenuGroupCount>& MenuGroups()
{
    return kGroups;
}

int GroupOfPage(int page)
{
    for (int group = 0; group < kMenuGroupCount; ++group) {
        for (const MenuSubButton& sub : kGroups[group].SubButtons) {
            if (sub.Page == page) {
                return group;
            }
        }
    }
    return -1;
}

const MenuSubButton* SubButtonOfPage(int page)
{
    const int group = GroupOfPage(page);
    if (group < 0) {
        return nullptr;
    }
    for (const MenuSubButton& sub : kGroups[group].SubButtons) {
        if (sub.Page == page) {
            return &sub;
        }
    }
    return nullptr;
}
