#include "backup/window/layout/SchedulePickers.h"

const std::array<SchedulePicker, kSchedulePickerCount>& SchedulePickers()
{
    using F = TMainForm;
    static const std::array<SchedulePicker, kSchedulePickerCount> pickers = {{
        {"Reg_Day", &F::Time_Set_Reg_Day_Pan_BK_Lab, &F::Time_Set_Reg_Day_Pan, &F::Time_Set_Reg_Day_Sel_Btn_Img,
         &F::Time_Set_Reg_Day_Show_Edit, &F::Time_Set_Reg_Day_CBox},
        {"Reg_Hou", &F::Time_Set_Reg_Hou_Pan_BK_Lab, &F::Time_Set_Reg_Hou_Pan, &F::Time_Set_Reg_Hou_Sel_Btn_Img,
         &F::Time_Set_Reg_Hou_Show_Edit, &F::Time_Set_Reg_Hou_CBox},
        {"Reg_Min", &F::Time_Set_Reg_Min_Pan_BK_Lab, &F::Time_Set_Reg_Min_Pan, &F::Time_Set_Reg_Min_Sel_Btn_Img,
         &F::Time_Set_Reg_Min_Show_Edit, &F::Time_Set_Reg_Min_CBox},
        {"Spe_Mon", &F::Time_Set_Spe_Mon_Pan_BK_Lab, &F::Time_Set_Spe_Mon_Pan, &F::Time_Set_Spe_Mon_Sel_Btn_Img,
         &F::Time_Set_Spe_Mon_Show_Edit, &F::Time_Set_Spe_Mon_CBox},
        {"Spe_Dat", &F::Time_Set_Spe_Dat_Pan_BK_Lab, &F::Time_Set_Spe_Dat_Pan, &F::Time_Set_Spe_Dat_Sel_Btn_Img,
         &F::Time_Set_Spe_Dat_Show_Edit, &F::Time_Set_Spe_Dat_CBox},
        {"Spe_Hou", &F::Time_Set_Spe_Hou_Pan_BK_Lab, &F::Time_Set_Spe_Hou_Pan, &F::Time_Set_Spe_Hou_Sel_Btn_Img,
         &F::Time_Set_Spe_Hou_Show_Edit, &F::Time_Set_Spe_Hou_CBox},
        {"Spe_Min", &F::Time_Set_Spe_Min_Pan_BK_Lab, &F::Time_Set_Spe_Min_Pan, &F::Time_Set_Spe_Min_Sel_Btn_Img,
         &F::Time_Set_Spe_Min_Show_Edit, &F::Time_Set_Spe_Min_CBox},
    }};
    return pickers;
}
