#include "backup/window/layout/LanguageStyles.h"

#include "backup/base/Language.h"
#include "backup/skin/RtlStyle.h"
#include "backup/window/frame/MainWin.h"
#include "ui/application.h"

#include <initializer_list>

namespace {

using Controls = std::initializer_list<TControl*>;
using Labels = std::initializer_list<TLabel*>;
using Edits = std::initializer_list<TEdit*>;
using Combos = std::initializer_list<TComboBox*>;

// The overview memo and the language selector show every language's own script at once.
constexpr BYTE kMixedScriptCharset = 129;

bool RightToLeft(const TMainForm& form)
{
    return form.LangId == kRtlLangId;
}

void SetCharset(Controls controls, BYTE charset)
{
    for (TControl* control : controls) {
        control->Font().SetCharset(charset);
    }
}

void SetReadingOrder(Controls captions, bool rtl)
{
    for (TControl* caption : captions) {
        caption->SetBiDiMode(rtl ? ui::TBiDiMode::bdRightToLeft : ui::TBiDiMode::bdLeftToRight);
    }
}

// Values such as sizes, dates and counts line up on the right but keep their own order.
void SetValueAlignment(Labels values, bool rtl)
{
    for (TLabel* value : values) {
        value->SetAlignment(rtl ? ui::TAlignment::taRightJustify : ui::TAlignment::taLeftJustify);
    }
}

void AlignEdits(Edits edits, bool rtl)
{
    for (TEdit* edit : edits) {
        rtl ? SetEditRightAligned(edit) : ClearEditRightAligned(edit);
    }
}

void AlignCombos(Combos combos, bool rtl)
{
    for (TComboBox* combo : combos) {
        rtl ? SetComboRightAligned(combo) : ClearComboRightAligned(combo);
    }
}

void MirrorCombos(Combos combos, bool rtl)
{
    for (TComboBox* combo : combos) {
        rtl ? SetComboRtlFull(combo) : ClearComboRtl(combo);
    }
}

// Trees never take a mirrored layout, whatever the language.
void UnmirrorTrees(std::initializer_list<TTreeView*> trees)
{
    for (TTreeView* tree : trees) {
        ClearViewRtlLayout(tree);
    }
}

void ApplyMenuReadingOrder(TMainForm& f, bool rtl)
{
    SetReadingOrder({f.Menu_SumIndex_BtnLab, f.Menu_BacIndex_BtnLab, f.Menu_ResIndex_BtnLab, f.Menu_DelIndex_BtnLab,
                     f.Menu_AppIndex_BtnLab, f.Menu_SetIndex_BtnLab, f.Menu_Sum_ProBtn_Lab, f.Menu_Sum_DevBtn_Lab,
                     f.Menu_Bac_EasyBtn_Lab, f.Menu_Bac_ManualBtn_Lab, f.Menu_Res_EasyBtn_Lab, f.Menu_Res_ManualBtn_Lab,
                     f.Menu_Del_EasyBtn_Lab, f.Menu_Del_ManualBtn_Lab, f.Menu_App_FavBtn_Lab, f.Menu_Set_GenBtn_Lab,
                     f.Menu_Set_BacBtn_Lab, f.Menu_Set_UpdBtn_Lab},
                    rtl);
    SetReadingOrder({f.Work_Title_Lab, f.Work_Title_Des_Lab, f.RB_Btn_Lab, f.LB_Btn_Lab}, rtl);
}

void ApplyDevicePageReadingOrder(TMainForm& f, bool rtl)
{
    SetReadingOrder({f.Dev_Capacity_Title_Lab, f.Dev_Partitions_Title_Lab, f.Dev_Name_Title_Lab, f.Sum_Dev_MainIco_Lab},
                    rtl);
    SetValueAlignment({f.Dev_Capacity_Lab, f.Dev_Name_Lab}, rtl);
}

void ApplyBackupPageReadingOrder(TMainForm& f, bool rtl)
{
    SetReadingOrder({f.Bac_Title_Head_Lab, f.BE_TotalCap_IcoDes_Lab, f.BE_Cls_IcoDes_Doc_Lab, f.BE_Cls_IcoDes_Gra_Lab,
                     f.BE_Cls_IcoDes_Aud_Lab, f.BE_Cls_IcoDes_Vid_Lab, f.BE_Cls_IcoDes_Mai_Lab, f.BE_Cls_IcoDes_Oth_Lab,
                     f.Bac_Dest_Title_Lab, f.BE_Renew_Btn_Lab},
                    rtl);
    SetValueAlignment({f.BE_TotalCap_Show_Lab, f.BE_Cap_Show_Doc_Lab, f.BE_Cap_Show_Gra_Lab, f.BE_Cap_Show_Aud_Lab,
                       f.BE_Cap_Show_Vid_Lab, f.BE_Cap_Show_Mai_Lab, f.BE_Cap_Show_Oth_Lab},
                      rtl);
    AlignEdits({f.Bac_Dest_Edit}, rtl);
    AlignCombos({f.Bac_Dest_CBox}, rtl);
    UnmirrorTrees({f.BM_Tree});
}

void ApplyDeletePageReadingOrder(TMainForm& f, bool rtl)
{
    AlignEdits({f.Del_PC_Show_Edit}, rtl);
    AlignCombos({f.Del_PC_Sel_CBox}, rtl);
    UnmirrorTrees({f.DE_Tree, f.DM_Tree});
    SetReadingOrder({f.Del_PC_Title_Lab}, rtl);
}

void ApplyFavoritesReadingOrder(TMainForm& f, bool rtl)
{
    AlignEdits({f.AF_PC_Show_Edit, f.AF_Dest_Edit}, rtl);
    AlignCombos({f.AF_PC_Sel_CBox, f.AF_Dest_CBox}, rtl);
    UnmirrorTrees({f.AF_Tree});
    SetReadingOrder({f.AF_Dest_Title_Lab, f.AF_PC_Sel_Title_Lab, f.AFT_Bac_Lab, f.AFT_Res_Lab}, rtl);
}

void ApplySettingsReadingOrder(TMainForm& f, bool rtl)
{
    AlignEdits({f.Lang_Show_Edit, f.Auto_Plugin_Time_Set_Edit, f.SB_FuncSel_Edit, f.Time_Set_Reg_Min_Show_Edit,
                f.Time_Set_Reg_Hou_Show_Edit, f.Time_Set_Reg_Day_Show_Edit, f.Time_Set_Spe_Mon_Show_Edit,
                f.Time_Set_Spe_Dat_Show_Edit, f.Time_Set_Spe_Min_Show_Edit, f.Time_Set_Spe_Hou_Show_Edit},
               rtl);
    MirrorCombos({f.Lang_Sel_CBox, f.Time_Set_Reg_Min_CBox, f.Time_Set_Reg_Hou_CBox, f.Time_Set_Reg_Day_CBox,
                  f.Time_Set_Spe_Mon_CBox, f.Time_Set_Spe_Dat_CBox, f.Time_Set_Spe_Min_CBox, f.Time_Set_Spe_Hou_CBox},
                 rtl);
    AlignCombos({f.SB_FuncSel_CBox}, rtl);
    SetReadingOrder({f.Lang_Sel_Title_Lab,
                     f.Start_Win_Lab,
                     f.Minimize_Lab,
                     f.HideBacFolder_Lab,
                     f.SBT_Startup_Lab,
                     f.SBT_Hotkey_Lab,
                     f.SBT_Time_Lab,
                     f.Auto_Plugin_Lab,
                     f.Auto_Plugin_Time_Sec_Lab,
                     f.Auto_ClickBtn_Lab,
                     f.Auto_Hotkey_Lab,
                     f.Auto_Sch_Lab,
                     f.Aes_Check_Lab,
                     f.Hotkey_List_Title_Lab,
                     f.Add_Btn_Lab,
                     f.AC_FuncSel_Title_Lab,
                     f.SB_FuncSel_Title_Lab,
                     f.Time_Set_Reg_Title_Lab,
                     f.Time_Set_Spe_Title_Lab,
                     f.Time_Set_Spe_Month_Lab,
                     f.Time_Set_Spe_Date_Lab,
                     f.Sch_List_Title_Lab,
                     f.Upd_Title_Lab,
                     f.Upd_Auto_Lab,
                     f.Upd_Btn_Lab},
                    rtl);
}

void ApplyProgressReadingOrder(TMainForm& f, bool rtl)
{
    SetCharset({f.Progress_Total_RemainTime_Lab}, f.FontCharset);
    SetReadingOrder({f.Progress_Title_Head_Lab, f.FileInfo_Total_Title_Lab, f.FileInfo_Complete_Title_Lab,
                     f.FileInfo_Fail_Title_Lab, f.FileInfo_SpendTime_Title, f.PB_Btn_Lab},
                    rtl);
    SetValueAlignment(
        {f.FileInfo_Total_Num_Lab, f.FileInfo_Complete_Num_Lab, f.FileInfo_Fail_Num_Lab, f.FileInfo_SpendTime_Num},
        rtl);
}

}  // namespace

void ApplyLanguageCharsets(TMainForm& f)
{
    f.FontCharset = CharsetOfLanguage(f.LangId);
    const BYTE c = f.FontCharset;
    // Title bar, menu and work area.
    SetCharset({f.Main_Btn_About_Hint_Lab, f.Main_Btn_Help_Hint_Lab}, c);
    SetCharset({f.Menu_SumIndex_BtnLab, f.Menu_BacIndex_BtnLab, f.Menu_ResIndex_BtnLab, f.Menu_DelIndex_BtnLab,
                f.Menu_AppIndex_BtnLab, f.Menu_SetIndex_BtnLab, f.Menu_Sum_ProBtn_Lab, f.Menu_Sum_DevBtn_Lab,
                f.Menu_Bac_EasyBtn_Lab, f.Menu_Bac_ManualBtn_Lab, f.Menu_Res_EasyBtn_Lab, f.Menu_Res_ManualBtn_Lab,
                f.Menu_Del_EasyBtn_Lab, f.Menu_Del_ManualBtn_Lab, f.Menu_App_FavBtn_Lab, f.Menu_Set_GenBtn_Lab,
                f.Menu_Set_BacBtn_Lab, f.Menu_Set_UpdBtn_Lab},
               c);
    SetCharset({f.Work_Title_Lab, f.Work_Title_Des_Lab, f.RB_Btn_Lab, f.LB_Btn_Lab}, c);
    // Overview and device pages.
    SetCharset({f.DebugInfo_Memo}, kMixedScriptCharset);
    SetCharset({f.Dev_Capacity_Title_Lab, f.Dev_Capacity_Lab, f.Dev_Partitions_Title_Lab, f.Dev_Partitions_Lab,
                f.Dev_Name_Title_Lab, f.Dev_Name_Lab, f.Sum_Dev_MainIco_Lab},
               c);
    // Backup page.
    SetCharset({f.Bac_Title_Head_Lab,    f.BE_TotalCap_IcoDes_Lab, f.BE_TotalCap_Show_Lab,  f.BE_Cls_IcoDes_Doc_Lab,
                f.BE_Cls_IcoDes_Gra_Lab, f.BE_Cls_IcoDes_Aud_Lab,  f.BE_Cls_IcoDes_Vid_Lab, f.BE_Cls_IcoDes_Mai_Lab,
                f.BE_Cls_IcoDes_Oth_Lab, f.BE_Cap_Show_Doc_Lab,    f.BE_Cap_Show_Gra_Lab,   f.BE_Cap_Show_Aud_Lab,
                f.BE_Cap_Show_Vid_Lab,   f.BE_Cap_Show_Mai_Lab,    f.BE_Cap_Show_Oth_Lab,   f.Bac_Dest_Title_Lab,
                f.Bac_Dest_Edit,         f.Bac_Dest_CBox,          f.BE_Renew_Btn_Lab,      f.BM_Tree},
               c);
    // Restore page.
    SetCharset({f.Res_PC_Sel_Title_Lab, f.Res_PC_Show_Edit,     f.Res_PC_Sel_CBox,      f.Res_Time_Sel_Title_Lab,
                f.RE_Time_Sel_Show_Lab, f.RM_Time_Sel_Show_Lab, f.RE_IcoDes_Doc_Lab,    f.RE_IcoDes_Gra_Lab,
                f.RE_IcoDes_Aud_Lab,    f.RE_IcoDes_Vid_Lab,    f.RE_IcoDes_Mai_Lab,    f.RE_IcoDes_Oth_Lab,
                f.RE_Info_Size_Doc_Lab, f.RE_Info_Size_Gra_Lab, f.RE_Info_Size_Aud_Lab, f.RE_Info_Size_Vid_Lab,
                f.RE_Info_Size_Mai_Lab, f.RE_Info_Size_Oth_Lab, f.RE_Info_Time_Doc_Lab, f.RE_Info_Time_Gra_Lab,
                f.RE_Info_Time_Aud_Lab, f.RE_Info_Time_Vid_Lab, f.RE_Info_Time_Mai_Lab, f.RE_Info_Time_Oth_Lab,
                f.Res_Dest_Title_Lab,   f.Res_Dest_Edit,        f.RE_Renew_Btn_Lab,     f.RM_Tree},
               c);
    // Delete and Favorites pages.
    SetCharset({f.Del_PC_Title_Lab, f.Del_PC_Show_Edit, f.Del_PC_Sel_CBox, f.DE_Tree, f.DM_Tree}, c);
    SetCharset({f.AF_Dest_Title_Lab, f.AF_Dest_Edit, f.AF_Dest_CBox, f.AF_PC_Sel_Title_Lab, f.AF_PC_Show_Edit,
                f.AF_PC_Sel_CBox, f.AF_Tree, f.AFT_Bac_Lab, f.AFT_Res_Lab, f.AFT_IE_Lab},
               c);
    // Settings pages.
    SetCharset({f.Lang_Sel_CBox}, kMixedScriptCharset);
    SetCharset({f.Lang_Sel_Title_Lab,
                f.Lang_Show_Edit,
                f.Start_Win_Lab,
                f.Minimize_Lab,
                f.HideBacFolder_Lab,
                f.SBT_Startup_Lab,
                f.SBT_Hotkey_Lab,
                f.SBT_Time_Lab,
                f.Auto_Plugin_Lab,
                f.Auto_Plugin_Time_Set_Edit,
                f.Auto_Plugin_Time_Sec_Lab,
                f.Auto_ClickBtn_Lab,
                f.Auto_Hotkey_Lab,
                f.Auto_Sch_Lab,
                f.Aes_Check_Lab,
                f.Hotkey_Ctl_Lab,
                f.Hotkey_Alt_Lab,
                f.Hotkey_Shift_Lab,
                f.Hotkey_Edit,
                f.Hotkey_List_Title_Lab,
                f.Hotkey_ListView,
                f.Add_Btn_Lab,
                f.AC_FuncSel_Title_Lab,
                f.AC_FuncSel_Edit,
                f.AC_FuncSel_CBox,
                f.SB_FuncSel_Title_Lab,
                f.SB_FuncSel_Edit,
                f.SB_FuncSel_CBox},
               c);
    SetCharset({f.Time_Set_Reg_Title_Lab,
                f.Time_Set_Reg_Min_Show_Edit,
                f.Time_Set_Reg_Min_CBox,
                f.Time_Set_Reg_Hour_Colon_Lab,
                f.Time_Set_Reg_Hou_Show_Edit,
                f.Time_Set_Reg_Hou_CBox,
                f.Time_Set_Reg_Day_Show_Edit,
                f.Time_Set_Reg_Day_CBox,
                f.Time_Set_Spe_Title_Lab,
                f.Time_Set_Spe_Month_Lab,
                f.Time_Set_Spe_Mon_Show_Edit,
                f.Time_Set_Spe_Mon_CBox,
                f.Time_Set_Spe_Date_Lab,
                f.Time_Set_Spe_Dat_Show_Edit,
                f.Time_Set_Spe_Dat_CBox,
                f.Time_Set_Spe_Min_Show_Edit,
                f.Time_Set_Spe_Min_CBox,
                f.Time_Set_Spe_Hour_Colon_Lab,
                f.Time_Set_Spe_Hou_Show_Edit,
                f.Time_Set_Spe_Hou_CBox,
                f.Sch_List_Title_Lab,
                f.Sch_ListView,
                f.Upd_Title_Lab,
                f.Upd_Auto_Lab,
                f.Upd_Btn_Lab},
               c);
    // Progress page.
    SetCharset({f.Progress_Total_Percent_Lab, f.Progress_Total_RemainTime_Lab, f.Progress_File_Percent_Lab,
                f.Progress_File_Path_Lab, f.Progress_Title_Head_Lab, f.Progress_List, f.FileInfo_Total_Title_Lab,
                f.FileInfo_Total_Num_Lab, f.FileInfo_Complete_Title_Lab, f.FileInfo_Complete_Num_Lab,
                f.FileInfo_Fail_Title_Lab, f.FileInfo_Fail_Num_Lab, f.FileInfo_SpendTime_Title,
                f.FileInfo_SpendTime_Num, f.PB_Btn_Lab},
               c);
    ui::Application->ProcessMessages();
}

void ApplyReadingOrder(TMainForm& f)
{
    const bool rtl = RightToLeft(f);
    ui::SysLocaleMiddleEast = rtl;
    f.LabelBiDiMode = rtl ? 1 : 0;
    ui::Application->ProcessMessages();
    f.TrayMenu->SetBiDiMode(rtl ? ui::TBiDiMode::bdRightToLeft : ui::TBiDiMode::bdLeftToRight);
    SetReadingOrder({f.Main_Btn_Help_Hint_Lab, f.Main_Btn_About_Hint_Lab}, rtl);
    ApplyMenuReadingOrder(f, rtl);
    ApplyDevicePageReadingOrder(f, rtl);
    ApplyBackupPageReadingOrder(f, rtl);
    ApplyRestorePageBiDi(f);
    ApplyDeletePageReadingOrder(f, rtl);
    ApplyFavoritesReadingOrder(f, rtl);
    ApplySettingsReadingOrder(f, rtl);
    ApplyProgressReadingOrder(f, rtl);
    ui::Application->ProcessMessages();
}

void ApplyRestorePageBiDi(TMainForm& f)
{
    const bool rtl = RightToLeft(f);
    AlignEdits({f.Res_PC_Show_Edit}, rtl);
    AlignCombos({f.Res_PC_Sel_CBox}, rtl);
    // The original-location sentence reads right to left; a folder path keeps its own order.
    if (!rtl) {
        ClearEditRtl(f.Res_Dest_Edit);
    } else if (f.RestoreToOriginal == 1) {
        SetEditRtlReading(f.Res_Dest_Edit);
    } else {
        ClearEditRtl(f.Res_Dest_Edit);
        SetEditRightAligned(f.Res_Dest_Edit);
    }
    UnmirrorTrees({f.RM_Tree});
    SetReadingOrder({f.Res_PC_Sel_Title_Lab, f.Res_Time_Sel_Title_Lab, f.RE_IcoDes_Doc_Lab, f.RE_IcoDes_Gra_Lab,
                     f.RE_IcoDes_Aud_Lab, f.RE_IcoDes_Vid_Lab, f.RE_IcoDes_Mai_Lab, f.RE_IcoDes_Oth_Lab,
                     f.Res_Dest_Title_Lab, f.RE_Renew_Btn_Lab},
                    rtl);
    SetValueAlignment({f.RE_Time_Sel_Show_Lab, f.RM_Time_Sel_Show_Lab, f.RE_Info_Size_Doc_Lab, f.RE_Info_Size_Gra_Lab,
                       f.RE_Info_Size_Aud_Lab, f.RE_Info_Size_Vid_Lab, f.RE_Info_Size_Mai_Lab, f.RE_Info_Size_Oth_Lab,
                       f.RE_Info_Time_Doc_Lab, f.RE_Info_Time_Gra_Lab, f.RE_Info_Time_Aud_Lab, f.RE_Info_Time_Vid_Lab,
                       f.RE_Info_Time_Mai_Lab, f.RE_Info_Time_Oth_Lab},
                      rtl);
}
