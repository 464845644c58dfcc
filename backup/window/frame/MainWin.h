#pragma once
// The backup application's main window and the one holder of its program state.

#include "backup/drive/DeviceRecords.h"
#include "backup/engine/BackupSelection.h"
#include "backup/engine/Categories.h"
#include "backup/engine/CategorySizes.h"
#include "backup/engine/Delete.h"
#include "backup/skin/UiNames.h"
#include "backup/window/frame/WorkPage.h"
#include "platform/win_types.h"

#include <array>
#include <memory>
#include <string>

class clProcessNotify;
class TMsgForm;
class TAutoStartForm;

struct WindowBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

class TMainForm : public TForm {
public:
    explicit TMainForm(TComponent* owner);
    ~TMainForm() override;

    // ---- Published controls, created by CreateControls and placed by the layout code ----
    // Frame and title area.
    TImage* MainBK_UpFrame_Img = nullptr;
    TImage* MainBK_DownFrame_Img = nullptr;
    TImage* MainBK_LeftFrame_Img = nullptr;
    TImage* MainBK_RightFrame_Img = nullptr;
    TImage* MainBK_Box_LU_Img = nullptr;
    TImage* MainBK_Box_LD_Img = nullptr;
    TImage* MainBK_Box_RU_Img = nullptr;
    TImage* MainBK_Box_RD_Img = nullptr;
    TImage* Main_ExitBtn_Img = nullptr;
    TImage* Main_MaxBtn_Img = nullptr;
    TImage* Main_MinBtn_Img = nullptr;
    TImage* Title_Img = nullptr;
    TImage* VemoLogo_Img = nullptr;
    TImage* VEMOLogo_ZAMOEx_Img = nullptr;
    TLabel* Version_Lab = nullptr;
    TImage* DragSizeBtn_Img = nullptr;
    TLabel* DragDrop_Lab = nullptr;
    TImage* Main_Btn_Help_Img = nullptr;
    TLabel* Main_Btn_Help_Hint_Lab = nullptr;
    TImage* Main_Btn_About_Img = nullptr;
    TLabel* Main_Btn_About_Hint_Lab = nullptr;

    // Menu panel: frame, logo, six group buttons and their sub-buttons.
    TPanel* MainMenu_Pan = nullptr;
    TLabel* MenuBK_Lab = nullptr;
    TImage* MenuBK_LeftUp_Img = nullptr;
    TImage* MenuBK_RightUp_Img = nullptr;
    TImage* MenuBK_LeftDown_Img = nullptr;
    TImage* MenuBK_RightDown_Img = nullptr;
    TImage* MenuBK_Frame_Up_Img = nullptr;
    TImage* MenuBK_Frame_Down_Img = nullptr;
    TImage* MenuBK_Frame_Left_Img = nullptr;
    TImage* MenuBK_Frame_Right_Img = nullptr;
    TImage* Client_LogoBK_Img = nullptr;
    TImage* Client_Logo_Img = nullptr;
    TImage* Menu_SumIndex_BtnImg = nullptr;
    TLabel* Menu_SumIndex_BtnLab = nullptr;
    TImage* Menu_SumIndex_IcoImg = nullptr;
    TImage* Menu_BacIndex_BtnImg = nullptr;
    TLabel* Menu_BacIndex_BtnLab = nullptr;
    TImage* Menu_BacIndex_IcoImg = nullptr;
    TImage* Menu_ResIndex_BtnImg = nullptr;
    TLabel* Menu_ResIndex_BtnLab = nullptr;
    TImage* Menu_ResIndex_IcoImg = nullptr;
    TImage* Menu_DelIndex_BtnImg = nullptr;
    TLabel* Menu_DelIndex_BtnLab = nullptr;
    TImage* Menu_DelIndex_IcoImg = nullptr;
    TImage* Menu_AppIndex_BtnImg = nullptr;
    TLabel* Menu_AppIndex_BtnLab = nullptr;
    TImage* Menu_AppIndex_IcoImg = nullptr;
    TImage* Menu_SetIndex_BtnImg = nullptr;
    TLabel* Menu_SetIndex_BtnLab = nullptr;
    TImage* Menu_SetIndex_IcoImg = nullptr;
    TImage* Menu_Sum_ProBtn_Img = nullptr;
    TLabel* Menu_Sum_ProBtn_Lab = nullptr;
    TImage* Menu_Sum_DevBtn_Img = nullptr;
    TLabel* Menu_Sum_DevBtn_Lab = nullptr;
    TImage* Menu_Bac_EasyBtn_Img = nullptr;
    TLabel* Menu_Bac_EasyBtn_Lab = nullptr;
    TImage* Menu_Bac_ManualBtn_Img = nullptr;
    TLabel* Menu_Bac_ManualBtn_Lab = nullptr;
    TImage* Menu_Res_EasyBtn_Img = nullptr;
    TLabel* Menu_Res_EasyBtn_Lab = nullptr;
    TImage* Menu_Res_ManualBtn_Img = nullptr;
    TLabel* Menu_Res_ManualBtn_Lab = nullptr;
    TImage* Menu_Del_EasyBtn_Img = nullptr;
    TLabel* Menu_Del_EasyBtn_Lab = nullptr;
    TImage* Menu_Del_ManualBtn_Img = nullptr;
    TLabel* Menu_Del_ManualBtn_Lab = nullptr;
    TImage* Menu_App_FavBtn_Img = nullptr;
    TLabel* Menu_App_FavBtn_Lab = nullptr;
    TImage* Menu_Set_GenBtn_Img = nullptr;
    TLabel* Menu_Set_GenBtn_Lab = nullptr;
    TImage* Menu_Set_BacBtn_Img = nullptr;
    TLabel* Menu_Set_BacBtn_Lab = nullptr;
    TImage* Menu_Set_UpdBtn_Img = nullptr;
    TLabel* Menu_Set_UpdBtn_Lab = nullptr;

    // Work area: page title, rules, the right (OK) and left (Cancel) work buttons.
    TPanel* Work_Pan = nullptr;
    TImage* Work_TitleIco_Img = nullptr;
    TLabel* Work_Title_Lab = nullptr;
    TLabel* Work_Title_Des_Lab = nullptr;
    TPanel* HorzLine_Up_Pan = nullptr;
    TImage* HorzLine_Up_Img = nullptr;
    TPanel* HorzLine_Low_Pan = nullptr;
    TImage* HorzLine_Low_Img = nullptr;
    TPanel* Work_Btn_Right_Pan = nullptr;
    TImage* RB_BK_Left_Img = nullptr;
    TImage* RB_BK_Center_Img = nullptr;
    TImage* RB_BK_Right_Img = nullptr;
    TLabel* RB_Btn_Lab = nullptr;
    TPanel* Work_Btn_Left_Pan = nullptr;
    TImage* LB_BK_Left_Img = nullptr;
    TImage* LB_BK_Center_Img = nullptr;
    TImage* LB_BK_Right_Img = nullptr;
    TLabel* LB_Btn_Lab = nullptr;

    // Page panels: 1 Product Information, 2 Device Information, 3 and 4 Backup, 5 and 6 Restore,
    // 7 and 8 Delete, 9 Favorites, 10 General Settings, 11 Backup Settings, 12 Update.
    TPanel* Sum_Pro_Pan = nullptr;
    TImage* Sum_DeviceIco_Img = nullptr;
    TMemo* DebugInfo_Memo = nullptr;
    TPanel* Sum_Dev_Pan = nullptr;
    // Device Information page: the drive picture with its click target, the name and capacity lines.
    TImage* Sum_Dev_MainIco_Img = nullptr;
    TLabel* Sum_Dev_MainIco_Lab = nullptr;
    TLabel* Dev_Capacity_BK_Deep_Lab = nullptr;
    TLabel* Dev_Capacity_BK_Light_Lab = nullptr;
    TImage* Dev_Capacity_Bar_Img = nullptr;
    TLabel* Dev_Capacity_Title_Lab = nullptr;
    TLabel* Dev_Capacity_Lab = nullptr;
    TLabel* Dev_Partitions_Title_Lab = nullptr;
    TLabel* Dev_Partitions_Lab = nullptr;
    TLabel* Dev_Name_Title_Lab = nullptr;
    TLabel* Dev_Name_Lab = nullptr;
    TPanel* Bac_Pan = nullptr;
    // Easy Backup page: table frame, header bar, Renew button, capacity row, six category rows
    // (Doc, Gra, Aud, Vid, Mai, Oth), destination selector and arrow.
    TLabel* BE_BK_Lab = nullptr;
    TImage* Bac_Title_Head_Img = nullptr;
    TLabel* Bac_Title_Head_Lab = nullptr;
    TImage* Bac_HourGlass_Easy_Img = nullptr;
    TImage* Bac_HourGlass_Manual_Img = nullptr;
    TPanel* BE_Renew_Btn_Pan = nullptr;
    TImage* BE_Renew_BK_Left_Img = nullptr;
    TImage* BE_Renew_BK_Center_Img = nullptr;
    TImage* BE_Renew_BK_Right_Img = nullptr;
    TLabel* BE_Renew_Btn_Lab = nullptr;
    TLabel* BE_TotalCap_BK_Lab = nullptr;
    TImage* BE_TotalCap_Check_Img = nullptr;
    TImage* BE_TotalCap_Ico_Capacity_Img = nullptr;
    TLabel* BE_TotalCap_IcoDes_Lab = nullptr;
    TLabel* BE_TotalCap_Show_Lab = nullptr;
    TLabel* BE_TotalCap_Bar_BK_Deep_Lab = nullptr;
    TLabel* BE_TotalCap_Bar_BK_Light_Lab = nullptr;
    TImage *BE_TotalCap_Doc_Img = nullptr, *BE_TotalCap_Gra_Img = nullptr, *BE_TotalCap_Aud_Img = nullptr,
           *BE_TotalCap_Vid_Img = nullptr, *BE_TotalCap_Mai_Img = nullptr, *BE_TotalCap_Oth_Img = nullptr;
    TLabel *BE_Cls_BK_Doc_Lab = nullptr, *BE_Cls_BK_Gra_Lab = nullptr, *BE_Cls_BK_Aud_Lab = nullptr,
           *BE_Cls_BK_Vid_Lab = nullptr, *BE_Cls_BK_Mai_Lab = nullptr, *BE_Cls_BK_Oth_Lab = nullptr;
    TImage *BE_Cls_Check_Doc_Img = nullptr, *BE_Cls_Check_Gra_Img = nullptr, *BE_Cls_Check_Aud_Img = nullptr,
           *BE_Cls_Check_Vid_Img = nullptr, *BE_Cls_Check_Mai_Img = nullptr, *BE_Cls_Check_Oth_Img = nullptr;
    TImage *BE_Cls_Ico_Doc_Img = nullptr, *BE_Cls_Ico_Gra_Img = nullptr, *BE_Cls_Ico_Aud_Img = nullptr,
           *BE_Cls_Ico_Vid_Img = nullptr, *BE_Cls_Ico_Mai_Img = nullptr, *BE_Cls_Ico_Oth_Img = nullptr;
    TLabel *BE_Cls_IcoDes_Doc_Lab = nullptr, *BE_Cls_IcoDes_Gra_Lab = nullptr, *BE_Cls_IcoDes_Aud_Lab = nullptr,
           *BE_Cls_IcoDes_Vid_Lab = nullptr, *BE_Cls_IcoDes_Mai_Lab = nullptr, *BE_Cls_IcoDes_Oth_Lab = nullptr;
    TLabel *BE_Cap_Show_Doc_Lab = nullptr, *BE_Cap_Show_Gra_Lab = nullptr, *BE_Cap_Show_Aud_Lab = nullptr,
           *BE_Cap_Show_Vid_Lab = nullptr, *BE_Cap_Show_Mai_Lab = nullptr, *BE_Cap_Show_Oth_Lab = nullptr;
    TLabel *BE_Cls_Bar_BK_Deep_Doc_Lab = nullptr, *BE_Cls_Bar_BK_Deep_Gra_Lab = nullptr,
           *BE_Cls_Bar_BK_Deep_Aud_Lab = nullptr, *BE_Cls_Bar_BK_Deep_Vid_Lab = nullptr,
           *BE_Cls_Bar_BK_Deep_Mai_Lab = nullptr, *BE_Cls_Bar_BK_Deep_Oth_Lab = nullptr;
    TLabel *BE_Cls_Bar_BK_Light_Doc_Lab = nullptr, *BE_Cls_Bar_BK_Light_Gra_Lab = nullptr,
           *BE_Cls_Bar_BK_Light_Aud_Lab = nullptr, *BE_Cls_Bar_BK_Light_Vid_Lab = nullptr,
           *BE_Cls_Bar_BK_Light_Mai_Lab = nullptr, *BE_Cls_Bar_BK_Light_Oth_Lab = nullptr;
    TImage *BE_Cap_Bar_Doc_Img = nullptr, *BE_Cap_Bar_Gra_Img = nullptr, *BE_Cap_Bar_Aud_Img = nullptr,
           *BE_Cap_Bar_Vid_Img = nullptr, *BE_Cap_Bar_Mai_Img = nullptr, *BE_Cap_Bar_Oth_Img = nullptr;
    TPanel* Bac_Dest_Pan = nullptr;
    TLabel* Bac_Dest_Title_Lab = nullptr;
    TEdit* Bac_Dest_Edit = nullptr;
    TImage* Bac_Dest_SelBtn_Img = nullptr;
    TComboBox* Bac_Dest_CBox = nullptr;
    TImage* Bac_ArrowIcon_Img = nullptr;
    // Manual Backup page: the source tree and its grey frame.
    TLabel* BM_TreeBK_Lab = nullptr;
    TTreeView* BM_Tree = nullptr;
    TPanel* Res_Pan = nullptr;
    // Restore page (pages 5 and 6): source and time selectors, Easy Restore rows (Doc, Gra, Aud, Vid,
    // Mai, Oth), the Manual Restore tree, the arrow and the destination line.
    TLabel* Res_PC_Sel_BK_Deep_Lab = nullptr;
    TLabel* Res_PC_Sel_BK_Light_Lab = nullptr;
    TImage* Res_HourGlass_Easy_Img = nullptr;
    TImage* Res_HourGlass_Manual_Img = nullptr;
    TPanel* RE_Renew_Btn_Pan = nullptr;
    TImage* RE_Renew_BK_Left_Img = nullptr;
    TImage* RE_Renew_BK_Center_Img = nullptr;
    TImage* RE_Renew_BK_Right_Img = nullptr;
    TLabel* RE_Renew_Btn_Lab = nullptr;
    TLabel* Res_PC_Sel_Title_Lab = nullptr;
    TLabel* Res_PC_Sel_Pan_BK_Lab = nullptr;
    TPanel* Res_PC_Sel_Pan = nullptr;
    TImage* Res_PC_Sel_Btn_Img = nullptr;
    TEdit* Res_PC_Show_Edit = nullptr;
    TComboBox* Res_PC_Sel_CBox = nullptr;
    TLabel* Res_Time_Sel_BK_Deep_Lab = nullptr;
    TLabel* Res_Time_Sel_BK_Light_Lab = nullptr;
    TLabel* Res_Time_Sel_Title_Lab = nullptr;
    TImage* Res_Time_Sel_Btn_Img = nullptr;
    TLabel* RE_Time_Sel_Show_Lab = nullptr;
    TLabel* RM_Time_Sel_Show_Lab = nullptr;
    TLabel* RE_BK_Lab = nullptr;
    TLabel *RE_BK_Doc_Lab = nullptr, *RE_BK_Gra_Lab = nullptr, *RE_BK_Aud_Lab = nullptr, *RE_BK_Vid_Lab = nullptr,
           *RE_BK_Mai_Lab = nullptr, *RE_BK_Oth_Lab = nullptr;
    TImage *RE_Check_Doc_Img = nullptr, *RE_Check_Gra_Img = nullptr, *RE_Check_Aud_Img = nullptr,
           *RE_Check_Vid_Img = nullptr, *RE_Check_Mai_Img = nullptr, *RE_Check_Oth_Img = nullptr;
    TImage *RE_Ico_Doc_Img = nullptr, *RE_Ico_Gra_Img = nullptr, *RE_Ico_Aud_Img = nullptr, *RE_Ico_Vid_Img = nullptr,
           *RE_Ico_Mai_Img = nullptr, *RE_Ico_Oth_Img = nullptr;
    TLabel *RE_IcoDes_Doc_Lab = nullptr, *RE_IcoDes_Gra_Lab = nullptr, *RE_IcoDes_Aud_Lab = nullptr,
           *RE_IcoDes_Vid_Lab = nullptr, *RE_IcoDes_Mai_Lab = nullptr, *RE_IcoDes_Oth_Lab = nullptr;
    TLabel *RE_Info_Size_Doc_Lab = nullptr, *RE_Info_Size_Gra_Lab = nullptr, *RE_Info_Size_Aud_Lab = nullptr,
           *RE_Info_Size_Vid_Lab = nullptr, *RE_Info_Size_Mai_Lab = nullptr, *RE_Info_Size_Oth_Lab = nullptr;
    TLabel *RE_Info_Time_Doc_Lab = nullptr, *RE_Info_Time_Gra_Lab = nullptr, *RE_Info_Time_Aud_Lab = nullptr,
           *RE_Info_Time_Vid_Lab = nullptr, *RE_Info_Time_Mai_Lab = nullptr, *RE_Info_Time_Oth_Lab = nullptr;
    TLabel* RM_TreeBK_Lab = nullptr;
    TTreeView* RM_Tree = nullptr;
    TLabel* Res_DestBK_Lab = nullptr;
    TLabel* Res_Dest_Title_Lab = nullptr;
    TEdit* Res_Dest_Edit = nullptr;
    TImage* Res_BrowserBtn_Img = nullptr;
    TImage* Res_ArrowIcon_Img = nullptr;
    TPanel* Del_Pan = nullptr;
    // Delete pages: the source band, its hourglasses, and the two trees in one frame.
    TLabel* Del_PC_Sel_BK_Deep_Lab = nullptr;
    TLabel* Del_PC_Sel_BK_Light_Lab = nullptr;
    TImage* DE_HourGlass_Renew_Img = nullptr;
    TImage* Del_HourGlass_Deleting_Img = nullptr;
    TLabel* Del_PC_Title_Lab = nullptr;
    TLabel* Del_PC_Sel_Pan_BK_Lab = nullptr;
    TPanel* Del_PC_Sel_Pan = nullptr;
    TImage* Del_PC_Sel_Btn_Img = nullptr;
    TEdit* Del_PC_Show_Edit = nullptr;
    TComboBox* Del_PC_Sel_CBox = nullptr;
    TLabel* Del_Tree_BK_Lab = nullptr;
    TTreeView* DE_Tree = nullptr;
    TImage* DM_HourGlass_Renew_Img = nullptr;
    TTreeView* DM_Tree = nullptr;
    TPanel* App_Fav_Pan = nullptr;
    // Favorites page: the Backup and Restore tabs, the source and destination selectors, the IE tab
    // and the Favorites tree.
    TPanel* AF_OP_Tag_Bac_Pan = nullptr;
    TImage *AFT_Bac_BK_Left_Img = nullptr, *AFT_Bac_BK_Center_Img = nullptr, *AFT_Bac_BK_Right_Img = nullptr;
    TLabel* AFT_Bac_Lab = nullptr;
    TPanel* AF_OP_Tag_Res_Pan = nullptr;
    TImage *AFT_Res_BK_Left_Img = nullptr, *AFT_Res_BK_Center_Img = nullptr, *AFT_Res_BK_Right_Img = nullptr;
    TLabel* AFT_Res_Lab = nullptr;
    TLabel* AF_DestBK_Lab = nullptr;
    TLabel* AF_Dest_Title_Lab = nullptr;
    TPanel* AF_Dest_Pan = nullptr;
    TImage* AF_Dest_SelBtn_Img = nullptr;
    TEdit* AF_Dest_Edit = nullptr;
    TComboBox* AF_Dest_CBox = nullptr;
    TImage* AF_ArrowIcon_Img = nullptr;
    TLabel* AF_BK_Deep_Lab = nullptr;
    TLabel* AF_BK_Light_Lab = nullptr;
    TLabel* AF_PC_Sel_BK_Deep_Lab = nullptr;
    TLabel* AF_PC_Sel_BK_Light_Lab = nullptr;
    TLabel* AF_PC_Sel_Title_Lab = nullptr;
    TLabel* AF_PC_Sel_Pan_BK_Lab = nullptr;
    TPanel* AF_PC_Sel_Pan = nullptr;
    TImage* AF_PC_Sel_Btn_Img = nullptr;
    TEdit* AF_PC_Show_Edit = nullptr;
    TComboBox* AF_PC_Sel_CBox = nullptr;
    TPanel* AF_Bro_Tag_IE_Pan = nullptr;
    TImage *AFT_IE_BK_Left_Img = nullptr, *AFT_IE_BK_Center_Img = nullptr, *AFT_IE_BK_Right_Img = nullptr;
    TImage* AFT_IE_Ico_Img = nullptr;
    TLabel* AFT_IE_Lab = nullptr;
    TLabel* AF_Tree_BK_Lab = nullptr;
    TTreeView* AF_Tree = nullptr;
    TPanel* Set_Gen_Pan = nullptr;
    TComboBox* Lang_Sel_CBox = nullptr;
    TEdit* Lang_Show_Edit = nullptr;
    TImage* Lang_Sel_Btn_Img = nullptr;
    TPanel* Set_Bac_Pan = nullptr;
    // General settings page: language block and the three option rows.
    TLabel* Lang_Set_BK_Lab = nullptr;
    TImage* Lang_Sel_Title_Head_Img = nullptr;
    TLabel* Lang_Sel_Title_Lab = nullptr;
    TLabel* Lang_Sel_BK_Lab = nullptr;
    TLabel* Lang_Sel_Pan_BK_Lab = nullptr;
    TPanel* Lang_Sel_Pan = nullptr;
    TLabel* Gen_Set_BK_Deep_Lab = nullptr;
    TLabel* Gen_Set_BK_Light_Lab = nullptr;
    TImage* Start_Win_CheckImg = nullptr;
    TLabel* Start_Win_Lab = nullptr;
    TImage* Minimize_CheckImg = nullptr;
    TLabel* Minimize_Lab = nullptr;
    TImage* HideBacFolder_Check_Img = nullptr;
    TLabel* HideBacFolder_Lab = nullptr;
    // Backup settings page: the three tabs (panel, left, centre and right skin, caption).
    TPanel* SB_Tag_Startup_Pan = nullptr;
    TImage *SBT_Startup_BK_Left_Img = nullptr, *SBT_Startup_BK_Center_Img = nullptr,
           *SBT_Startup_BK_Right_Img = nullptr;
    TLabel* SBT_Startup_Lab = nullptr;
    TPanel* SB_Tag_Hotkey_Pan = nullptr;
    TImage *SBT_Hotkey_BK_Left_Img = nullptr, *SBT_Hotkey_BK_Center_Img = nullptr, *SBT_Hotkey_BK_Right_Img = nullptr;
    TLabel* SBT_Hotkey_Lab = nullptr;
    TPanel* SB_Tag_Time_Pan = nullptr;
    TImage *SBT_Time_BK_Left_Img = nullptr, *SBT_Time_BK_Center_Img = nullptr, *SBT_Time_BK_Right_Img = nullptr;
    TLabel* SBT_Time_Lab = nullptr;
    // The launch-method block of the Start up tab and its button-function selector.
    TPanel* Set_Bac_Startup_Pan = nullptr;
    TLabel* Startup_BK_Deep_Lab = nullptr;
    TLabel* Startup_BK_Light_Lab = nullptr;
    TImage* Auto_Plugin_CheckImg = nullptr;
    TLabel* Auto_Plugin_Lab = nullptr;
    TLabel* Auto_Plugin_Time_BK_Lab = nullptr;
    TEdit* Auto_Plugin_Time_Set_Edit = nullptr;
    TLabel* Auto_Plugin_Time_Sec_Lab = nullptr;
    TImage* Auto_ClickBtn_CheckImg = nullptr;
    TLabel* Auto_ClickBtn_Lab = nullptr;
    TImage* Auto_Hotkey_CheckImg = nullptr;
    TLabel* Auto_Hotkey_Lab = nullptr;
    TImage* Auto_Sch_CheckImg = nullptr;
    TLabel* Auto_Sch_Lab = nullptr;
    TImage* Aes_Check_Img = nullptr;
    TLabel* Aes_Check_Lab = nullptr;
    TPanel* Auto_ClickBtn_FuncSel_Pan = nullptr;
    TLabel* AC_FuncSel_Title_Lab = nullptr;
    TLabel* AC_FuncSel_Edit_BK_Lab = nullptr;
    TPanel* AC_FuncSel_Edit_Pan = nullptr;
    TImage* AC_FuncSel_Btn_Img = nullptr;
    TEdit* AC_FuncSel_Edit = nullptr;
    TComboBox* AC_FuncSel_CBox = nullptr;
    TPanel* Set_Upd_Pan = nullptr;
    // Update page: title bar, box, the automatic-update tick and the Update button.
    TLabel* Upd_Title_BK_Lab = nullptr;
    TLabel* Upd_Title_Lab = nullptr;
    TLabel* Upd_BK_Lab = nullptr;
    TPanel* Upd_Btn_Pan = nullptr;
    TImage* Upd_Btn_BK_Left_Img = nullptr;
    TImage* Upd_Btn_BK_Center_Img = nullptr;
    TImage* Upd_Btn_BK_Right_Img = nullptr;
    TLabel* Upd_Btn_Lab = nullptr;
    TImage* Upd_Auto_Check_Img = nullptr;
    TLabel* Upd_Auto_Lab = nullptr;
    // Backup settings page, Hotkey tab: the editor, the shared Add button and function selector, the list.
    TPanel* Set_Bac_Hotkey_Pan = nullptr;
    TLabel *Hotkey_BK_Deep_Lab = nullptr, *Hotkey_SetBK_Lab = nullptr;
    TImage *Hotkey_Ctl_CheckImg = nullptr, *Hotkey_Alt_CheckImg = nullptr, *Hotkey_Shift_CheckImg = nullptr;
    TLabel *Hotkey_Ctl_Lab = nullptr, *Hotkey_Alt_Lab = nullptr, *Hotkey_Shift_Lab = nullptr;
    TLabel* Hotkey_Edit_BK_Lab = nullptr;
    TEdit* Hotkey_Edit = nullptr;
    TImage* Hotkey_List_Title_BK_Img = nullptr;
    TLabel* Hotkey_List_Title_Lab = nullptr;
    TListView* Hotkey_ListView = nullptr;
    TPanel* SB_Btn_Add_Pan = nullptr;
    TImage *Add_BK_Left_Img = nullptr, *Add_BK_Center_Img = nullptr, *Add_BK_Right_Img = nullptr;
    TLabel* Add_Btn_Lab = nullptr;
    TPanel* SB_FuncSel_Pan = nullptr;
    TLabel *SB_FuncSel_Title_Lab = nullptr, *SB_FuncSel_Edit_BK_Lab = nullptr;
    TPanel* SB_FuncSel_Edit_Pan = nullptr;
    TImage* SB_FuncSel_Btn_Img = nullptr;
    TEdit* SB_FuncSel_Edit = nullptr;
    TComboBox* SB_FuncSel_CBox = nullptr;
    // Backup settings page, Schedule tab: two radio rows of pickers (frame, panel, opener, edit,
    // list each) and the list.
    TPanel* Set_Bac_Time_Pan = nullptr;
    TLabel *Time_Set_BK_Deep_Lab = nullptr, *Time_Set_BK_Light_Lab = nullptr;
    TImage *Time_Set_Reg_Radio_Img = nullptr, *Time_Set_Spe_Radio_Img = nullptr;
    TLabel *Time_Set_Reg_Title_Lab = nullptr, *Time_Set_Spe_Title_Lab = nullptr;
    TPanel *Time_Set_Reg_Pan = nullptr, *Time_Set_Spe_Pan = nullptr;
    TLabel *Time_Set_Reg_Hour_Colon_Lab = nullptr, *Time_Set_Spe_Hour_Colon_Lab = nullptr;
    TLabel *Time_Set_Spe_Month_Lab = nullptr, *Time_Set_Spe_Date_Lab = nullptr;
    TLabel *Time_Set_Reg_Day_Pan_BK_Lab = nullptr, *Time_Set_Reg_Hou_Pan_BK_Lab = nullptr,
           *Time_Set_Reg_Min_Pan_BK_Lab = nullptr, *Time_Set_Spe_Mon_Pan_BK_Lab = nullptr,
           *Time_Set_Spe_Dat_Pan_BK_Lab = nullptr, *Time_Set_Spe_Hou_Pan_BK_Lab = nullptr,
           *Time_Set_Spe_Min_Pan_BK_Lab = nullptr;
    TPanel *Time_Set_Reg_Day_Pan = nullptr, *Time_Set_Reg_Hou_Pan = nullptr, *Time_Set_Reg_Min_Pan = nullptr,
           *Time_Set_Spe_Mon_Pan = nullptr, *Time_Set_Spe_Dat_Pan = nullptr, *Time_Set_Spe_Hou_Pan = nullptr,
           *Time_Set_Spe_Min_Pan = nullptr;
    TImage *Time_Set_Reg_Day_Sel_Btn_Img = nullptr, *Time_Set_Reg_Hou_Sel_Btn_Img = nullptr,
           *Time_Set_Reg_Min_Sel_Btn_Img = nullptr, *Time_Set_Spe_Mon_Sel_Btn_Img = nullptr,
           *Time_Set_Spe_Dat_Sel_Btn_Img = nullptr, *Time_Set_Spe_Hou_Sel_Btn_Img = nullptr,
           *Time_Set_Spe_Min_Sel_Btn_Img = nullptr;
    TEdit *Time_Set_Reg_Day_Show_Edit = nullptr, *Time_Set_Reg_Hou_Show_Edit = nullptr,
          *Time_Set_Reg_Min_Show_Edit = nullptr, *Time_Set_Spe_Mon_Show_Edit = nullptr,
          *Time_Set_Spe_Dat_Show_Edit = nullptr, *Time_Set_Spe_Hou_Show_Edit = nullptr,
          *Time_Set_Spe_Min_Show_Edit = nullptr;
    TComboBox *Time_Set_Reg_Day_CBox = nullptr, *Time_Set_Reg_Hou_CBox = nullptr, *Time_Set_Reg_Min_CBox = nullptr,
              *Time_Set_Spe_Mon_CBox = nullptr, *Time_Set_Spe_Dat_CBox = nullptr, *Time_Set_Spe_Hou_CBox = nullptr,
              *Time_Set_Spe_Min_CBox = nullptr;
    TImage* Sch_List_Title_BK_Img = nullptr;
    TLabel* Sch_List_Title_Lab = nullptr;
    TListView* Sch_ListView = nullptr;

    // Progress and result panel of a job.
    TPanel* Progress_Pan = nullptr;
    TLabel* Progress_File_Path_Lab = nullptr;
    TLabel* Progress_File_BK_Light_Lab = nullptr;
    TImage* Progress_File_Bar_Img = nullptr;
    TLabel* Progress_File_Percent_Lab = nullptr;
    TLabel* Progress_Total_BK_Light_Lab = nullptr;
    TImage* Progress_Total_Bar_Img = nullptr;
    TLabel* Progress_Total_Percent_Lab = nullptr;
    TLabel* Progress_Total_RemainTime_Lab = nullptr;
    TListView* Progress_List = nullptr;
    TLabel* Progress_Total_BK_Deep_Lab = nullptr;
    TImage* Progress_Total_Percent_BK_Img = nullptr;
    TLabel* Progress_File_BK_Deep_Lab = nullptr;
    TImage* Progress_File_Percent_BK_Img = nullptr;
    TLabel* Progress_List_BK_Lab = nullptr;
    TImage* Progress_Title_Head_Img = nullptr;
    TLabel* Progress_Title_Head_Lab = nullptr;
    TPanel* Progress_OK_Btn_Pan = nullptr;
    TImage* PB_BK_Left_Img = nullptr;
    TImage* PB_BK_Center_Img = nullptr;
    TImage* PB_BK_Right_Img = nullptr;
    TLabel* PB_Btn_Lab = nullptr;
    TLabel* FileInfo_Total_Title_Lab = nullptr;
    TLabel* FileInfo_Total_Num_Lab = nullptr;
    TLabel* FileInfo_Complete_Title_Lab = nullptr;
    TLabel* FileInfo_Complete_Num_Lab = nullptr;
    TLabel* FileInfo_Fail_Title_Lab = nullptr;
    TLabel* FileInfo_Fail_Num_Lab = nullptr;
    TLabel* FileInfo_SpendTime_Title = nullptr;
    TLabel* FileInfo_SpendTime_Num = nullptr;

    // Image lists, tray icon and its menu, timers.
    TImageList* SystemIcon_ImgList = nullptr;
    TImageList* Check_ImgList = nullptr;
    TImageList* List_Delete_ImgList = nullptr;
    TImageList* Browser_ImgList = nullptr;
    TTrayIcon* TrayIcon = nullptr;
    TImageList* TrayIcon_Imglist = nullptr;
    TPopupMenu* TrayMenu = nullptr;
    TMenuItem* Exit = nullptr;
    TTimer* Sch_Timer = nullptr;
    TTimer* ExtBtn_Timer = nullptr;
    TTimer* TrayIcon_Animate_Timer = nullptr;
    TTimer* Renew_BM_Tree_Timer = nullptr;
    TTimer* TreeExpandTimer_Res = nullptr;
    TTimer* TreeExpandTimer_DE = nullptr;
    TTimer* TreeExpandTimer_DM = nullptr;
    TTimer* DE_Timer = nullptr;
    TTimer* DM_Timer = nullptr;

    // ---- Published handlers of the window's life ----
    void FormCreate(TObject* Sender);
    void FormActivate(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void Lang_Sel_CBoxChange(TObject* Sender);
    // Minimises the program and hides it in the notification area; where no tray icon can be seen
    // it stays minimised on the task bar, so that there is always a way back.
    void HideToNotificationArea();
    // True when the tray icon is shown where the user can see it and bring the window back.
    bool NotificationAreaShowsIcon() const;
    // Power, volume and folder-change notices, after the inherited dispatch.
    void Dispatch(ui::TMessage& message) override;
    // The push-button poll of the external drives.
    void ExtBtn_TimerTimer(TObject* Sender);

    // ---- Published handlers of the frame: title buttons, moving and resizing ----
    void FormMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void FormResize(TObject* Sender);
    void Main_ExitBtn_ImgClick(TObject* Sender);
    void Main_MaxBtn_ImgClick(TObject* Sender);
    void Main_MinBtn_ImgClick(TObject* Sender);
    void Main_ExitBtn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Main_MaxBtn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Main_MinBtn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Main_ExitBtn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Main_MaxBtn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Main_MinBtn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void DragSizeBtn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void DragSizeBtn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void DragSizeBtn_ImgMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void MainBK_RightFrame_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void MainBK_RightFrame_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void MainBK_RightFrame_ImgMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void MainBK_LeftFrame_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void MainBK_LeftFrame_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void MainBK_LeftFrame_ImgMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void MainBK_DownFrame_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void MainBK_DownFrame_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void MainBK_DownFrame_ImgMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void DragDrop_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Client_Logo_ImgClick(TObject* Sender);

    // ---- Published handlers of the menu: page selection and mouse feedback ----
    void Menu_SumIndex_BtnImgClick(TObject* Sender);
    void Menu_BacIndex_BtnImgClick(TObject* Sender);
    void Menu_ResIndex_BtnImgClick(TObject* Sender);
    void Menu_DelIndex_BtnImgClick(TObject* Sender);
    void Menu_AppIndex_BtnImgClick(TObject* Sender);
    void Menu_SetIndex_BtnImgClick(TObject* Sender);
    void Menu_Sum_ProBtn_LabClick(TObject* Sender);
    void Menu_Sum_DevBtn_LabClick(TObject* Sender);
    void Menu_Bac_EasyBtn_LabClick(TObject* Sender);
    void Menu_Bac_ManualBtn_LabClick(TObject* Sender);
    void Menu_Res_EasyBtn_LabClick(TObject* Sender);
    void Menu_Res_ManualBtn_LabClick(TObject* Sender);
    void Menu_Del_EasyBtn_LabClick(TObject* Sender);
    void Menu_Del_ManualBtn_LabClick(TObject* Sender);
    void Menu_App_FavBtn_LabClick(TObject* Sender);
    void Menu_Set_GenBtn_LabClick(TObject* Sender);
    void Menu_Set_BacBtn_LabClick(TObject* Sender);
    void Menu_Set_UpdBtn_LabClick(TObject* Sender);
    // The drive picture of page 2: hover and press pictures; a release asks and requests safe removal.
    void Sum_Dev_MainIco_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Sum_Dev_MainIco_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Sum_Dev_MainIco_LabMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Sum_Dev_MainIco_LabMouseLeave(TObject* Sender);
    // Title buttons: the help file of the language, and the About window.
    void Main_Btn_Help_ImgClick(TObject* Sender);
    void Main_Btn_About_ImgClick(TObject* Sender);
    // Group buttons (image, caption and icon): the pressed picture, and the hover picture.
    void MenuGroupMouseDown(int group);
    void MenuGroupMouseMove(int group);
    // Sub-buttons (image and caption) of a page: the hover picture.
    void MenuSubButtonMouseMove(int page);

    // ---- Tray icon, busy state and list-view hooks ----
    // A job runs: closing is refused and the tray icon animates.
    void EnterBusyState();
    void LeaveBusyState();
    void AnimateTrayIcon();
    // Rebuilds the Manual Backup source tree five ticks after the last of a burst of requests.
    void ScheduleBackupTreeRenew();
    void BackupTreeRenewTick();
    void SubclassListViews();
    void TrayIconClick(TObject* Sender);
    void ExitClick(TObject* Sender);
    void TrayIcon_Animate_TimerTimer(TObject* Sender);
    void Renew_BM_Tree_TimerTimer(TObject* Sender);
    void ProgressListWindowProc(ui::TMessage& Message);
    void ScheduleListViewProc(ui::TMessage& Message);
    ui::TWndMethod SavedProgressListProc;
    ui::TWndMethod SavedScheduleListProc;

    // ---- Published handlers of the Easy Backup page ----
    void BE_Cls_Check_Doc_ImgClick(TObject* Sender);
    void BE_Cls_Check_Gra_ImgClick(TObject* Sender);
    void BE_Cls_Check_Aud_ImgClick(TObject* Sender);
    void BE_Cls_Check_Vid_ImgClick(TObject* Sender);
    void BE_Cls_Check_Mai_ImgClick(TObject* Sender);
    void BE_Renew_Btn_LabClick(TObject* Sender);
    void BE_Renew_Btn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void BE_Renew_Btn_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void BE_Renew_Btn_LabMouseLeave(TObject* Sender);
    void Bac_Dest_SelBtn_ImgClick(TObject* Sender);
    void Bac_Dest_SelBtn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Bac_Dest_SelBtn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Bac_Dest_CBoxChange(TObject* Sender);
    void Bac_Dest_CBoxCloseUp(TObject* Sender);
    void AFT_Bac_LabClick(TObject* Sender);
    void AFT_Res_LabClick(TObject* Sender);
    void AF_PC_Sel_CBoxChange(TObject* Sender);
    void AF_TreeExpanding(TObject* Sender, ui::TTreeNode* Node, bool& AllowExpansion);
    void AF_TreeDblClick(TObject* Sender);
    // ---- Published handlers of the restore pages ----
    void RE_Check_Doc_ImgClick(TObject* Sender);
    void RE_Check_Gra_ImgClick(TObject* Sender);
    void RE_Check_Aud_ImgClick(TObject* Sender);
    void RE_Check_Vid_ImgClick(TObject* Sender);
    void RE_Check_Mai_ImgClick(TObject* Sender);
    void RE_Renew_Btn_LabClick(TObject* Sender);
    void RE_Renew_Btn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void RE_Renew_Btn_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void RE_Renew_Btn_LabMouseLeave(TObject* Sender);
    void Res_PC_Sel_CBoxChange(TObject* Sender);
    void Res_PC_Sel_Btn_ImgClick(TObject* Sender);
    void Res_PC_Sel_Btn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Res_PC_Sel_Btn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Res_BrowserBtn_ImgClick(TObject* Sender);
    void Res_BrowserBtn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Res_BrowserBtn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Res_Time_Sel_Btn_ImgClick(TObject* Sender);
    void Res_Time_Sel_Btn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Res_Time_Sel_Btn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void RM_TreeMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void RM_TreeExpanding(TObject* Sender, ui::TTreeNode* Node, bool& AllowExpansion);
    void RM_TreeExpanded(TObject* Sender, ui::TTreeNode* Node);
    void TreeExpandTimer_ResTimer(TObject* Sender);
    // The language selector's opener (its change handler belongs to the window's life).
    void Lang_Sel_Btn_ImgClick(TObject* Sender);
    void Lang_Sel_Btn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Lang_Sel_Btn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

    // ---- Published handlers of the Manual Backup source tree ----
    void BM_TreeExpanding(TObject* Sender, ui::TTreeNode* Node, bool& AllowExpansion);
    void BM_TreeExpanded(TObject* Sender, ui::TTreeNode* Node);
    void BM_TreeMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

    // ---- Published handlers of the delete pages ----
    void Del_PC_Sel_CBoxChange(TObject* Sender);
    void Del_PC_Sel_Btn_ImgClick(TObject* Sender);
    void Del_PC_Sel_Btn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Del_PC_Sel_Btn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void DE_TreeMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void DM_TreeMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void DE_TreeExpanded(TObject* Sender, ui::TTreeNode* Node);
    void DM_TreeExpanded(TObject* Sender, ui::TTreeNode* Node);
    void TreeExpandTimer_DETimer(TObject* Sender);
    void TreeExpandTimer_DMTimer(TObject* Sender);
    void DE_TimerTimer(TObject* Sender);
    void DM_TimerTimer(TObject* Sender);

    // ---- Published handlers of the settings pages: option ticks, button function, tabs ----
    void Start_Win_CheckImgClick(TObject* Sender);
    void Minimize_CheckImgClick(TObject* Sender);
    void Auto_Plugin_CheckImgClick(TObject* Sender);
    void Auto_ClickBtn_CheckImgClick(TObject* Sender);
    void Auto_Hotkey_CheckImgClick(TObject* Sender);
    void Auto_Sch_CheckImgClick(TObject* Sender);
    void Aes_Check_ImgClick(TObject* Sender);
    void HideBacFolder_Check_ImgClick(TObject* Sender);
    void AC_FuncSel_Btn_ImgClick(TObject* Sender);
    void AC_FuncSel_Btn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void AC_FuncSel_Btn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void AC_FuncSel_CBoxChange(TObject* Sender);
    void AC_FuncSel_CBoxCloseUp(TObject* Sender);
    void Auto_Plugin_Time_Set_EditKeyUp(TObject* Sender, WORD& Key, TShiftState Shift);
    void SBT_Startup_LabClick(TObject* Sender);
    void SBT_Hotkey_LabClick(TObject* Sender);
    void SBT_Time_LabClick(TObject* Sender);

    // ---- Published handlers of the work buttons and the error list ----
    void RB_Btn_LabClick(TObject* Sender);
    void RB_Btn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void RB_Btn_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void RB_Btn_LabMouseLeave(TObject* Sender);
    void LB_Btn_LabClick(TObject* Sender);
    void LB_Btn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void LB_Btn_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void LB_Btn_LabMouseLeave(TObject* Sender);
    void PB_Btn_LabClick(TObject* Sender);
    void PB_Btn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void PB_Btn_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Progress_ListClick(TObject* Sender);
    void Progress_ListDblClick(TObject* Sender);

    // ---- Messages and questions of the program ----
    void ShowNoticeBox(const std::u16string& text);
    void ShowErrorBox(const std::u16string& text);
    // 1 for "Yes", 0 otherwise.
    BYTE AskQuestion(const std::u16string& text);
    // The same on the kept box, which the drive's push button may answer with "Yes".
    BYTE AskQuestionOnOwnedBox(const std::u16string& text);
    // 1 to run the scheduled backup of the entry (accepted or the countdown ran out).
    BYTE AskScheduledBackup(const std::u16string& entry);

    // ---- Published handlers of the Hotkey and Schedule tabs ----
    void Hotkey_EditKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    void Hotkey_Ctl_CheckImgClick(TObject* Sender);
    void Hotkey_Alt_CheckImgClick(TObject* Sender);
    void Hotkey_Shift_CheckImgClick(TObject* Sender);
    void Add_Btn_LabClick(TObject* Sender);
    void Add_Btn_LabMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Add_Btn_LabMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Add_Btn_LabMouseLeave(TObject* Sender);
    void Hotkey_ListViewMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Hotkey_ListViewMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Time_Set_Reg_Radio_ImgClick(TObject* Sender);
    void Time_Set_Spe_Radio_ImgClick(TObject* Sender);
    void Time_Set_Spe_Mon_CBoxChange(TObject* Sender);
    void Sch_ListViewMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Sch_ListViewMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Sch_TimerTimer(TObject* Sender);
    // ---- Published handlers of the function selector and the schedule pickers ----
    void SB_FuncSel_Btn_ImgClick(TObject* Sender);
    void SB_FuncSel_Btn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void SB_FuncSel_Btn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void SB_FuncSel_CBoxChange(TObject* Sender);
    void SB_FuncSel_CBoxCloseUp(TObject* Sender);
    void Time_Set_Reg_Day_Sel_Btn_ImgClick(TObject* Sender);
    void Time_Set_Reg_Day_Sel_Btn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Time_Set_Reg_Day_Sel_Btn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Time_Set_Reg_Day_CBoxChange(TObject* Sender);
    void Time_Set_Reg_Day_CBoxCloseUp(TObject* Sender);
    void Time_Set_Reg_Hou_Sel_Btn_ImgClick(TObject* Sender);
    void Time_Set_Reg_Hou_Sel_Btn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Time_Set_Reg_Hou_Sel_Btn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Time_Set_Reg_Hou_CBoxChange(TObject* Sender);
    void Time_Set_Reg_Hou_CBoxCloseUp(TObject* Sender);
    void Time_Set_Reg_Min_Sel_Btn_ImgClick(TObject* Sender);
    void Time_Set_Reg_Min_Sel_Btn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Time_Set_Reg_Min_Sel_Btn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Time_Set_Reg_Min_CBoxChange(TObject* Sender);
    void Time_Set_Reg_Min_CBoxCloseUp(TObject* Sender);
    void Time_Set_Spe_Mon_Sel_Btn_ImgClick(TObject* Sender);
    void Time_Set_Spe_Mon_Sel_Btn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Time_Set_Spe_Mon_Sel_Btn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Time_Set_Spe_Mon_CBoxCloseUp(TObject* Sender);
    void Time_Set_Spe_Dat_Sel_Btn_ImgClick(TObject* Sender);
    void Time_Set_Spe_Dat_Sel_Btn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Time_Set_Spe_Dat_Sel_Btn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Time_Set_Spe_Dat_CBoxChange(TObject* Sender);
    void Time_Set_Spe_Dat_CBoxCloseUp(TObject* Sender);
    void Time_Set_Spe_Hou_Sel_Btn_ImgClick(TObject* Sender);
    void Time_Set_Spe_Hou_Sel_Btn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Time_Set_Spe_Hou_Sel_Btn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Time_Set_Spe_Hou_CBoxChange(TObject* Sender);
    void Time_Set_Spe_Hou_CBoxCloseUp(TObject* Sender);
    void Time_Set_Spe_Min_Sel_Btn_ImgClick(TObject* Sender);
    void Time_Set_Spe_Min_Sel_Btn_ImgMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Time_Set_Spe_Min_Sel_Btn_ImgMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Time_Set_Spe_Min_CBoxChange(TObject* Sender);
    void Time_Set_Spe_Min_CBoxCloseUp(TObject* Sender);
    // The application's message hook: a registered hotkey starts its backup.
    void HotkeyMessageHook(ui::TMsg& Msg, bool& Handled);

    // ---- Window and job flags ----
    BYTE FirstActivation = 1;
    BYTE StartedWithDrivePath = 0;
    BYTE Idle = 1;
    int JobPage = 0;  // the page whose job disabled it (3 to 9); 0 while none is disabled
    BYTE MayClose = 1;
    BYTE CancelAsking = 0;
    BYTE CancelRequested = 0;
    BYTE ProgressFinished = 0;
    BYTE Renewing = 0;
    BYTE TreeRefreshPending = 0;
    BYTE BackupDriveRemoved = 0;
    std::u16string JobDestinationRoot;  // root of the running backup's destination, set by its starter
    BYTE LanguagePassRunning = 0;
    std::u16string DeferredTriggerDestination;  // a trigger that came during the language pass
    std::u16string DeferredTriggerEntry;
    std::unique_ptr<clProcessNotify> ProgressNotify;

    // ---- Window geometry ----
    int ResizeStartX = 0;
    int ResizeStartY = 0;
    int ResizeRightEdge = 0;
    BYTE Resizing = 0;
    BYTE Maximized = 0;
    WindowBounds RestoreBounds;

    // ---- Navigation: pages 1 to 12 ----
    int CurrentPage = 0;  // 1 to 12; 0 until the constructor shows page 1
    // Each menu group's first page: the page the group opens on until another of its pages was shown.
    static constexpr std::array<int, kMenuGroupCount> kFirstPageOfGroup = {
        static_cast<int>(WorkPage::ProductInfo), static_cast<int>(WorkPage::EasyBackup),
        static_cast<int>(WorkPage::EasyRestore), static_cast<int>(WorkPage::EasyDelete),
        static_cast<int>(WorkPage::Favorites),   static_cast<int>(WorkPage::GeneralSettings)};
    std::array<int, kMenuGroupCount> LastPageOfGroup = kFirstPageOfGroup;
    int BackupSettingsTab = 0;
    int FavoritesRestoreTab = 0;
    int ScheduleKind = 0;
    BYTE SchedulePassRunning = 0;  // a schedule pass is under way; ticks that pump into it skip

    // ---- Look and language ----
    BYTE FontCharset = 1;
    BYTE LabelBiDiMode = 0;
    static constexpr std::array<DWORD, 13> Palette = {0x480529, 0x922E62, 0x480529, 0xFFFFFF, 0x000000,
                                                      0x480529, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
                                                      0x808080, 0x808080, 0xE6E6E6};
    int LangId = 0;
    std::unique_ptr<TStringList> LangTable;

    // ---- Drives and devices ----
    RECORD_DEVICECODE OtherDrives;
    RECORD_DEVICECODE ExternalDrives;
    RECORD_DEVICECODE LocalFixedDisks;
    DEVICE_TABLE DeviceTable;

    // ---- Message box and automatic start ----
    BYTE MsgBoxShowing = 0;
    TMsgForm* OwnedMsgForm = nullptr;  // owned by the application object
    int AutoStartSeconds = 30;
    std::u16string AutoStartPath;
    BYTE AutoStartShowing = 0;
    TAutoStartForm* AutoStartWindow = nullptr;

    // ---- Options and settings lists ----
    std::array<BYTE, 6> LaunchOptions = {0, 1, 1, 1, 1, 1};
    BYTE EncryptBackup = 0;
    BYTE HideBackupFolder = 0;
    int ButtonFunction = 1;
    BYTE HotkeyCtrl = 0;
    BYTE HotkeyAlt = 0;
    BYTE HotkeyShift = 0;
    WORD HotkeyKey = 0;
    std::unique_ptr<TStringList> HotkeyList;
    std::unique_ptr<TStringList> ScheduleList;
    std::unique_ptr<TStringList> CheckedPaths;
    BYTE RestoreToOriginal = 1;

    // ---- Trees ----
    BYTE BackupTreeChecks = 1;
    BYTE FavoritesTreeChecks = 0;
    BYTE ShowHiddenFolders = 1;
    BYTE BackupTreeFillStop = 0;
    BYTE RestoreTreeFillStop = 0;
    BYTE EasyDeleteTreeFillStop = 0;
    BYTE ManualDeleteTreeFillStop = 0;
    int RestoreTreeRepeatPasses = 0;
    int EasyDeleteTreeRepeatPasses = 0;
    int ManualDeleteTreeRepeatPasses = 0;
    BYTE ContentFillIdle = 1;
    int BackupTreeRenewTicks = 0;
    int TrayFrame = 0;
    int EasyDeleteTicks = 0;
    int ManualDeleteTicks = 0;
    int EasyDeleteTickLimit = 0;
    int ManualDeleteTickLimit = 0;
    BYTE ShellNotifyRegistered = 0;
    ULONG ShellNotifyId = 0;

    // ---- Job data ----
    std::u16string StartPath;
    std::unique_ptr<TStringList> CompletedFiles;
    std::unique_ptr<TStringList> FailedFiles;
    PerEasyCategory<std::unique_ptr<TStringList>> CategoryLists;
    PerEasyCategory<BYTE> EasyBackupCategories = {1, 1, 1, 1, 1};
    PerEasyCategory<BYTE> EasyRestoreCategories = {1, 1, 1, 1, 1};
    BACKUP_SELECTION ManualSelection;
    DELETE_SELECTION DeleteSelection;
    std::uint64_t LocalDiskTotalBytes = 0;
    std::uint64_t LocalDiskUsedBytes = 0;
    std::uint64_t LocalDiskFreeBytes = 0;
    CATEGORY_SIZES CategoryBytes;
    CATEGORY_SIZES RestoreInfoSizes;

    // ---- Progress counters ----
    int FileBarTrackWidth = 0;
    std::int64_t JobDoneBytes = 0;
    std::int64_t JobTotalBytes = 0;
    std::int64_t FileCountedBytes = 0;
    std::int64_t RateSeconds = 0;
    DWORD RateLastTick = 0;
    DWORD RateNowTick = 0;
    DWORD JobStartTick = 0;
    DWORD JobEndTick = 0;
    int EstimateCount = 0;
    DWORD EstimateTick = 0;

private:
    void CreateControls();
    void BindHandlers();
    void BeginResize(TMouseButton button, int x, int y);
    void EndResize();
    // The mirrored grip and left edge: the window grows to the left and keeps its right edge.
    void ResizeFromLeft(int x);
    void AfterResizeStep();
    void SelectPageOfGroup(int group);
    void SelectSubButtonPage(int page);
};

// The one instance, set when the application object creates the window.
extern TMainForm* MainForm;
