// The published controls of the main window, created as its form description declares them:
// name, class, parent and the look every page keeps (stretched transparent images, transparent
// fixed-size labels, panels without bevel, the font Arial). The layout code places them.

#include "backup/skin/ControlFactory.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/DeleteControls.h"
#include "backup/window/frame/EasyCategoryRows.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/PageBindings.h"
#include "backup/window/frame/RestoreControls.h"
#include "backup/window/frame/SettingsControls.h"
#include "backup/window/layout/HotkeyBlock.h"
#include "backup/window/layout/PageLayout.h"
#include "backup/window/layout/ScheduleBlock.h"

namespace {

constexpr int kDeleteIconPicture = 1;

TImage* Img(TComponent* owner, const char* name, TWinControl* parent)
{
    auto* image = NewControl<TImage>(owner, name, parent);
    image->SetStretch(true);
    image->SetTransparent(true);
    return image;
}

TLabel* Lab(TComponent* owner, const char* name, TWinControl* parent)
{
    auto* label = NewControl<TLabel>(owner, name, parent);
    label->SetAutoSize(false);
    label->SetTransparent(true);
    return label;
}

TPanel* Pan(TComponent* owner, const char* name, TWinControl* parent)
{
    auto* panel = NewControl<TPanel>(owner, name, parent);
    panel->SetBevelOuter(ui::TBevelCut::bvNone);
    return panel;
}

TTimer* Timer(TComponent* owner, const char* name, unsigned interval)
{
    auto* timer = NewComponent<TTimer>(owner, name);
    timer->SetEnabled(false);
    timer->SetInterval(interval);
    return timer;
}

}  // namespace

void TMainForm::CreateControls()
{
    SetName("MainForm");

    MainBK_UpFrame_Img = Img(this, "MainBK_UpFrame_Img", this);
    MainBK_DownFrame_Img = Img(this, "MainBK_DownFrame_Img", this);
    MainBK_LeftFrame_Img = Img(this, "MainBK_LeftFrame_Img", this);
    MainBK_RightFrame_Img = Img(this, "MainBK_RightFrame_Img", this);
    MainBK_Box_LU_Img = Img(this, "MainBK_Box_LU_Img", this);
    MainBK_Box_LD_Img = Img(this, "MainBK_Box_LD_Img", this);
    MainBK_Box_RU_Img = Img(this, "MainBK_Box_RU_Img", this);
    MainBK_Box_RD_Img = Img(this, "MainBK_Box_RD_Img", this);
    Main_ExitBtn_Img = Img(this, "Main_ExitBtn_Img", this);
    Main_MaxBtn_Img = Img(this, "Main_MaxBtn_Img", this);
    Main_MinBtn_Img = Img(this, "Main_MinBtn_Img", this);
    Title_Img = Img(this, "Title_Img", this);
    VemoLogo_Img = Img(this, "VemoLogo_Img", this);
    VEMOLogo_ZAMOEx_Img = Img(this, "VEMOLogo_ZAMOEx_Img", this);
    Version_Lab = Lab(this, "Version_Lab", this);
    DragSizeBtn_Img = Img(this, "DragSizeBtn_Img", this);
    DragDrop_Lab = Lab(this, "DragDrop_Lab", this);
    Main_Btn_Help_Img = Img(this, "Main_Btn_Help_Img", this);
    Main_Btn_Help_Hint_Lab = Lab(this, "Main_Btn_Help_Hint_Lab", this);
    Main_Btn_About_Img = Img(this, "Main_Btn_About_Img", this);
    Main_Btn_About_Hint_Lab = Lab(this, "Main_Btn_About_Hint_Lab", this);

    MainMenu_Pan = Pan(this, "MainMenu_Pan", this);
    MenuBK_Lab = Lab(this, "MenuBK_Lab", MainMenu_Pan);
    MenuBK_LeftUp_Img = Img(this, "MenuBK_LeftUp_Img", MainMenu_Pan);
    MenuBK_RightUp_Img = Img(this, "MenuBK_RightUp_Img", MainMenu_Pan);
    MenuBK_LeftDown_Img = Img(this, "MenuBK_LeftDown_Img", MainMenu_Pan);
    MenuBK_RightDown_Img = Img(this, "MenuBK_RightDown_Img", MainMenu_Pan);
    MenuBK_Frame_Up_Img = Img(this, "MenuBK_Frame_Up_Img", MainMenu_Pan);
    MenuBK_Frame_Down_Img = Img(this, "MenuBK_Frame_Down_Img", MainMenu_Pan);
    MenuBK_Frame_Left_Img = Img(this, "MenuBK_Frame_Left_Img", MainMenu_Pan);
    MenuBK_Frame_Right_Img = Img(this, "MenuBK_Frame_Right_Img", MainMenu_Pan);
    Client_LogoBK_Img = Img(this, "Client_LogoBK_Img", MainMenu_Pan);
    Client_Logo_Img = Img(this, "Client_Logo_Img", MainMenu_Pan);
    Menu_SumIndex_BtnImg = Img(this, "Menu_SumIndex_BtnImg", MainMenu_Pan);
    Menu_SumIndex_IcoImg = Img(this, "Menu_SumIndex_IcoImg", MainMenu_Pan);
    Menu_SumIndex_BtnLab = Lab(this, "Menu_SumIndex_BtnLab", MainMenu_Pan);
    Menu_Sum_ProBtn_Img = Img(this, "Menu_Sum_ProBtn_Img", MainMenu_Pan);
    Menu_Sum_ProBtn_Lab = Lab(this, "Menu_Sum_ProBtn_Lab", MainMenu_Pan);
    Menu_Sum_DevBtn_Img = Img(this, "Menu_Sum_DevBtn_Img", MainMenu_Pan);
    Menu_Sum_DevBtn_Lab = Lab(this, "Menu_Sum_DevBtn_Lab", MainMenu_Pan);
    Menu_BacIndex_BtnImg = Img(this, "Menu_BacIndex_BtnImg", MainMenu_Pan);
    Menu_BacIndex_IcoImg = Img(this, "Menu_BacIndex_IcoImg", MainMenu_Pan);
    Menu_BacIndex_BtnLab = Lab(this, "Menu_BacIndex_BtnLab", MainMenu_Pan);
    Menu_Bac_EasyBtn_Img = Img(this, "Menu_Bac_EasyBtn_Img", MainMenu_Pan);
    Menu_Bac_EasyBtn_Lab = Lab(this, "Menu_Bac_EasyBtn_Lab", MainMenu_Pan);
    Menu_Bac_ManualBtn_Img = Img(this, "Menu_Bac_ManualBtn_Img", MainMenu_Pan);
    Menu_Bac_ManualBtn_Lab = Lab(this, "Menu_Bac_ManualBtn_Lab", MainMenu_Pan);
    Menu_ResIndex_BtnImg = Img(this, "Menu_ResIndex_BtnImg", MainMenu_Pan);
    Menu_ResIndex_IcoImg = Img(this, "Menu_ResIndex_IcoImg", MainMenu_Pan);
    Menu_ResIndex_BtnLab = Lab(this, "Menu_ResIndex_BtnLab", MainMenu_Pan);
    Menu_Res_EasyBtn_Img = Img(this, "Menu_Res_EasyBtn_Img", MainMenu_Pan);
    Menu_Res_EasyBtn_Lab = Lab(this, "Menu_Res_EasyBtn_Lab", MainMenu_Pan);
    Menu_Res_ManualBtn_Img = Img(this, "Menu_Res_ManualBtn_Img", MainMenu_Pan);
    Menu_Res_ManualBtn_Lab = Lab(this, "Menu_Res_ManualBtn_Lab", MainMenu_Pan);
    Menu_DelIndex_BtnImg = Img(this, "Menu_DelIndex_BtnImg", MainMenu_Pan);
    Menu_DelIndex_IcoImg = Img(this, "Menu_DelIndex_IcoImg", MainMenu_Pan);
    Menu_DelIndex_BtnLab = Lab(this, "Menu_DelIndex_BtnLab", MainMenu_Pan);
    Menu_Del_EasyBtn_Img = Img(this, "Menu_Del_EasyBtn_Img", MainMenu_Pan);
    Menu_Del_EasyBtn_Lab = Lab(this, "Menu_Del_EasyBtn_Lab", MainMenu_Pan);
    Menu_Del_ManualBtn_Img = Img(this, "Menu_Del_ManualBtn_Img", MainMenu_Pan);
    Menu_Del_ManualBtn_Lab = Lab(this, "Menu_Del_ManualBtn_Lab", MainMenu_Pan);
    Menu_AppIndex_BtnImg = Img(this, "Menu_AppIndex_BtnImg", MainMenu_Pan);
    Menu_AppIndex_IcoImg = Img(this, "Menu_AppIndex_IcoImg", MainMenu_Pan);
    Menu_AppIndex_BtnLab = Lab(this, "Menu_AppIndex_BtnLab", MainMenu_Pan);
    Menu_App_FavBtn_Img = Img(this, "Menu_App_FavBtn_Img", MainMenu_Pan);
    Menu_App_FavBtn_Lab = Lab(this, "Menu_App_FavBtn_Lab", MainMenu_Pan);
    Menu_SetIndex_BtnImg = Img(this, "Menu_SetIndex_BtnImg", MainMenu_Pan);
    Menu_SetIndex_IcoImg = Img(this, "Menu_SetIndex_IcoImg", MainMenu_Pan);
    Menu_SetIndex_BtnLab = Lab(this, "Menu_SetIndex_BtnLab", MainMenu_Pan);
    Menu_Set_GenBtn_Img = Img(this, "Menu_Set_GenBtn_Img", MainMenu_Pan);
    Menu_Set_GenBtn_Lab = Lab(this, "Menu_Set_GenBtn_Lab", MainMenu_Pan);
    Menu_Set_BacBtn_Img = Img(this, "Menu_Set_BacBtn_Img", MainMenu_Pan);
    Menu_Set_BacBtn_Lab = Lab(this, "Menu_Set_BacBtn_Lab", MainMenu_Pan);
    Menu_Set_UpdBtn_Img = Img(this, "Menu_Set_UpdBtn_Img", MainMenu_Pan);
    Menu_Set_UpdBtn_Lab = Lab(this, "Menu_Set_UpdBtn_Lab", MainMenu_Pan);

    Work_Pan = Pan(this, "Work_Pan", this);
    Work_TitleIco_Img = Img(this, "Work_TitleIco_Img", Work_Pan);
    Work_Title_Lab = Lab(this, "Work_Title_Lab", Work_Pan);
    Work_Title_Des_Lab = Lab(this, "Work_Title_Des_Lab", Work_Pan);
    HorzLine_Up_Pan = Pan(this, "HorzLine_Up_Pan", Work_Pan);
    HorzLine_Up_Img = Img(this, "HorzLine_Up_Img", HorzLine_Up_Pan);
    HorzLine_Low_Pan = Pan(this, "HorzLine_Low_Pan", Work_Pan);
    HorzLine_Low_Img = Img(this, "HorzLine_Low_Img", HorzLine_Low_Pan);
    Work_Btn_Right_Pan = Pan(this, "Work_Btn_Right_Pan", Work_Pan);
    RB_BK_Left_Img = Img(this, "RB_BK_Left_Img", Work_Btn_Right_Pan);
    RB_BK_Center_Img = Img(this, "RB_BK_Center_Img", Work_Btn_Right_Pan);
    RB_BK_Right_Img = Img(this, "RB_BK_Right_Img", Work_Btn_Right_Pan);
    RB_Btn_Lab = Lab(this, "RB_Btn_Lab", Work_Btn_Right_Pan);
    Work_Btn_Left_Pan = Pan(this, "Work_Btn_Left_Pan", Work_Pan);
    LB_BK_Left_Img = Img(this, "LB_BK_Left_Img", Work_Btn_Left_Pan);
    LB_BK_Center_Img = Img(this, "LB_BK_Center_Img", Work_Btn_Left_Pan);
    LB_BK_Right_Img = Img(this, "LB_BK_Right_Img", Work_Btn_Left_Pan);
    LB_Btn_Lab = Lab(this, "LB_Btn_Lab", Work_Btn_Left_Pan);

    Sum_Pro_Pan = Pan(this, "Sum_Pro_Pan", Work_Pan);
    Sum_DeviceIco_Img = Img(this, "Sum_DeviceIco_Img", Sum_Pro_Pan);
    DebugInfo_Memo = NewControl<TMemo>(this, "DebugInfo_Memo", Sum_Pro_Pan);
    Sum_Dev_Pan = Pan(this, "Sum_Dev_Pan", Work_Pan);
    Sum_Dev_MainIco_Img = Img(this, "Sum_Dev_MainIco_Img", Sum_Dev_Pan);
    Sum_Dev_MainIco_Lab = Lab(this, "Sum_Dev_MainIco_Lab", Sum_Dev_Pan);
    Dev_Capacity_BK_Deep_Lab = Lab(this, "Dev_Capacity_BK_Deep_Lab", Sum_Dev_Pan);
    Dev_Capacity_BK_Light_Lab = Lab(this, "Dev_Capacity_BK_Light_Lab", Sum_Dev_Pan);
    Dev_Capacity_Bar_Img = Img(this, "Dev_Capacity_Bar_Img", Sum_Dev_Pan);
    Dev_Capacity_Title_Lab = Lab(this, "Dev_Capacity_Title_Lab", Sum_Dev_Pan);
    Dev_Capacity_Lab = Lab(this, "Dev_Capacity_Lab", Sum_Dev_Pan);
    Dev_Partitions_Title_Lab = Lab(this, "Dev_Partitions_Title_Lab", Sum_Dev_Pan);
    Dev_Partitions_Lab = Lab(this, "Dev_Partitions_Lab", Sum_Dev_Pan);
    Dev_Name_Title_Lab = Lab(this, "Dev_Name_Title_Lab", Sum_Dev_Pan);
    Dev_Name_Lab = Lab(this, "Dev_Name_Lab", Sum_Dev_Pan);
    Bac_Pan = Pan(this, "Bac_Pan", Work_Pan);
    BE_BK_Lab = Lab(this, "BE_BK_Lab", Bac_Pan);
    Bac_Title_Head_Img = Img(this, "Bac_Title_Head_Img", Bac_Pan);
    Bac_Title_Head_Lab = Lab(this, "Bac_Title_Head_Lab", Bac_Pan);
    Bac_HourGlass_Easy_Img = Img(this, "Bac_HourGlass_Easy_Img", Bac_Pan);
    Bac_HourGlass_Manual_Img = Img(this, "Bac_HourGlass_Manual_Img", Bac_Pan);
    BE_TotalCap_BK_Lab = Lab(this, "BE_TotalCap_BK_Lab", Bac_Pan);
    BE_TotalCap_Check_Img = Img(this, "BE_TotalCap_Check_Img", Bac_Pan);
    BE_TotalCap_Ico_Capacity_Img = Img(this, "BE_TotalCap_Ico_Capacity_Img", Bac_Pan);
    BE_TotalCap_IcoDes_Lab = Lab(this, "BE_TotalCap_IcoDes_Lab", Bac_Pan);
    BE_TotalCap_Show_Lab = Lab(this, "BE_TotalCap_Show_Lab", Bac_Pan);
    BE_TotalCap_Bar_BK_Deep_Lab = Lab(this, "BE_TotalCap_Bar_BK_Deep_Lab", Bac_Pan);
    BE_TotalCap_Bar_BK_Light_Lab = Lab(this, "BE_TotalCap_Bar_BK_Light_Lab", Bac_Pan);
    for (const EasyCategoryRow& row : EasyCategoryRows()) {
        const std::string part = row.NamePart;
        this->*row.Segment = Img(this, ("BE_TotalCap_" + part + "_Img").c_str(), Bac_Pan);
        this->*row.Ground = Lab(this, ("BE_Cls_BK_" + part + "_Lab").c_str(), Bac_Pan);
        this->*row.Check = Img(this, ("BE_Cls_Check_" + part + "_Img").c_str(), Bac_Pan);
        this->*row.Icon = Img(this, ("BE_Cls_Ico_" + part + "_Img").c_str(), Bac_Pan);
        this->*row.Name = Lab(this, ("BE_Cls_IcoDes_" + part + "_Lab").c_str(), Bac_Pan);
        this->*row.Size = Lab(this, ("BE_Cap_Show_" + part + "_Lab").c_str(), Bac_Pan);
        this->*row.BarFrame = Lab(this, ("BE_Cls_Bar_BK_Deep_" + part + "_Lab").c_str(), Bac_Pan);
        this->*row.BarGround = Lab(this, ("BE_Cls_Bar_BK_Light_" + part + "_Lab").c_str(), Bac_Pan);
        this->*row.Bar = Img(this, ("BE_Cap_Bar_" + part + "_Img").c_str(), Bac_Pan);
    }
    Bac_Dest_CBox = NewControl<TComboBox>(this, "Bac_Dest_CBox", Bac_Pan);
    Bac_Dest_CBox->SetStyle(ui::TComboBoxStyle::csDropDownList);
    Bac_Dest_CBox->SetBevelKind(ui::TBevelKind::bkFlat);
    Bac_Dest_Pan = Pan(this, "Bac_Dest_Pan", Bac_Pan);
    Bac_Dest_Title_Lab = Lab(this, "Bac_Dest_Title_Lab", Bac_Dest_Pan);
    Bac_Dest_Edit = NewControl<TEdit>(this, "Bac_Dest_Edit", Bac_Dest_Pan);
    Bac_Dest_Edit->SetBorderStyle(ui::TBorderStyle::bsNone);
    Bac_Dest_SelBtn_Img = Img(this, "Bac_Dest_SelBtn_Img", Bac_Dest_Pan);
    Bac_ArrowIcon_Img = Img(this, "Bac_ArrowIcon_Img", Bac_Pan);
    BM_TreeBK_Lab = Lab(this, "BM_TreeBK_Lab", Bac_Pan);
    BM_Tree = NewControl<TTreeView>(this, "BM_Tree", Bac_Pan);
    BM_Tree->OnExpanding = [this](TObject* s, ui::TTreeNode* n, bool& allow) { BM_TreeExpanding(s, n, allow); };
    BM_Tree->OnExpanded = [this](TObject* s, ui::TTreeNode* n) { BM_TreeExpanded(s, n); };
    BM_Tree->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState shift, int x, int y) {
        BM_TreeMouseDown(s, b, shift, x, y);
    };
    BE_Renew_Btn_Pan = Pan(this, "BE_Renew_Btn_Pan", Bac_Pan);
    BE_Renew_BK_Left_Img = Img(this, "BE_Renew_BK_Left_Img", BE_Renew_Btn_Pan);
    BE_Renew_BK_Center_Img = Img(this, "BE_Renew_BK_Center_Img", BE_Renew_Btn_Pan);
    BE_Renew_BK_Right_Img = Img(this, "BE_Renew_BK_Right_Img", BE_Renew_Btn_Pan);
    BE_Renew_Btn_Lab = Lab(this, "BE_Renew_Btn_Lab", BE_Renew_Btn_Pan);
    Res_Pan = Pan(this, "Res_Pan", Work_Pan);
    CreateRestorePageControls(*this);
    Del_Pan = Pan(this, "Del_Pan", Work_Pan);
    App_Fav_Pan = Pan(this, "App_Fav_Pan", Work_Pan);
    CreateFavoritesPageControls(*this);
    Set_Gen_Pan = Pan(this, "Set_Gen_Pan", Work_Pan);
    Lang_Sel_CBox = NewControl<TComboBox>(this, "Lang_Sel_CBox", Set_Gen_Pan);
    Lang_Sel_CBox->SetStyle(ui::TComboBoxStyle::csDropDownList);
    Lang_Show_Edit = NewControl<TEdit>(this, "Lang_Show_Edit", Set_Gen_Pan);
    Lang_Sel_Btn_Img = Img(this, "Lang_Sel_Btn_Img", Set_Gen_Pan);
    Set_Bac_Pan = Pan(this, "Set_Bac_Pan", Work_Pan);
    Set_Upd_Pan = Pan(this, "Set_Upd_Pan", Work_Pan);
    Upd_Title_BK_Lab = Lab(this, "Upd_Title_BK_Lab", Set_Upd_Pan);
    Upd_Title_Lab = Lab(this, "Upd_Title_Lab", Set_Upd_Pan);
    Upd_BK_Lab = Lab(this, "Upd_BK_Lab", Set_Upd_Pan);
    Upd_Btn_Pan = Pan(this, "Upd_Btn_Pan", Set_Upd_Pan);
    Upd_Btn_BK_Left_Img = Img(this, "Upd_Btn_BK_Left_Img", Upd_Btn_Pan);
    Upd_Btn_BK_Center_Img = Img(this, "Upd_Btn_BK_Center_Img", Upd_Btn_Pan);
    Upd_Btn_BK_Right_Img = Img(this, "Upd_Btn_BK_Right_Img", Upd_Btn_Pan);
    Upd_Btn_Lab = Lab(this, "Upd_Btn_Lab", Upd_Btn_Pan);
    Upd_Auto_Check_Img = Img(this, "Upd_Auto_Check_Img", Set_Upd_Pan);
    Upd_Auto_Lab = Lab(this, "Upd_Auto_Lab", Set_Upd_Pan);
    CreateSettingsPageControls(*this);

    Progress_Pan = Pan(this, "Progress_Pan", Work_Pan);
    Progress_File_Path_Lab = Lab(this, "Progress_File_Path_Lab", Progress_Pan);
    Progress_File_BK_Light_Lab = Lab(this, "Progress_File_BK_Light_Lab", Progress_Pan);
    Progress_File_Bar_Img = Img(this, "Progress_File_Bar_Img", Progress_Pan);
    Progress_File_Percent_Lab = Lab(this, "Progress_File_Percent_Lab", Progress_Pan);
    Progress_Total_BK_Light_Lab = Lab(this, "Progress_Total_BK_Light_Lab", Progress_Pan);
    Progress_Total_Bar_Img = Img(this, "Progress_Total_Bar_Img", Progress_Pan);
    Progress_Total_Percent_Lab = Lab(this, "Progress_Total_Percent_Lab", Progress_Pan);
    Progress_Total_RemainTime_Lab = Lab(this, "Progress_Total_RemainTime_Lab", Progress_Pan);
    Progress_List = NewControl<TListView>(this, "Progress_List", Progress_Pan);
    Progress_List->SetViewStyle(ui::TViewStyle::vsReport);
    Progress_Total_BK_Deep_Lab = Lab(this, "Progress_Total_BK_Deep_Lab", Progress_Pan);
    Progress_Total_Percent_BK_Img = Img(this, "Progress_Total_Percent_BK_Img", Progress_Pan);
    Progress_File_BK_Deep_Lab = Lab(this, "Progress_File_BK_Deep_Lab", Progress_Pan);
    Progress_File_Percent_BK_Img = Img(this, "Progress_File_Percent_BK_Img", Progress_Pan);
    Progress_List_BK_Lab = Lab(this, "Progress_List_BK_Lab", Progress_Pan);
    Progress_Title_Head_Img = Img(this, "Progress_Title_Head_Img", Progress_Pan);
    Progress_Title_Head_Lab = Lab(this, "Progress_Title_Head_Lab", Progress_Pan);
    Progress_OK_Btn_Pan = Pan(this, "Progress_OK_Btn_Pan", Progress_Pan);
    PB_BK_Left_Img = Img(this, "PB_BK_Left_Img", Progress_OK_Btn_Pan);
    PB_BK_Center_Img = Img(this, "PB_BK_Center_Img", Progress_OK_Btn_Pan);
    PB_BK_Right_Img = Img(this, "PB_BK_Right_Img", Progress_OK_Btn_Pan);
    PB_Btn_Lab = Lab(this, "PB_Btn_Lab", Progress_OK_Btn_Pan);
    FileInfo_Total_Title_Lab = Lab(this, "FileInfo_Total_Title_Lab", Progress_Pan);
    FileInfo_Total_Num_Lab = Lab(this, "FileInfo_Total_Num_Lab", Progress_Pan);
    FileInfo_Complete_Title_Lab = Lab(this, "FileInfo_Complete_Title_Lab", Progress_Pan);
    FileInfo_Complete_Num_Lab = Lab(this, "FileInfo_Complete_Num_Lab", Progress_Pan);
    FileInfo_Fail_Title_Lab = Lab(this, "FileInfo_Fail_Title_Lab", Progress_Pan);
    FileInfo_Fail_Num_Lab = Lab(this, "FileInfo_Fail_Num_Lab", Progress_Pan);
    FileInfo_SpendTime_Title = Lab(this, "FileInfo_SpendTime_Title", Progress_Pan);
    FileInfo_SpendTime_Num = Lab(this, "FileInfo_SpendTime_Num", Progress_Pan);

    SystemIcon_ImgList = NewComponent<TImageList>(this, "SystemIcon_ImgList");
    Check_ImgList = NewComponent<TImageList>(this, "Check_ImgList");
    List_Delete_ImgList = NewComponent<TImageList>(this, "List_Delete_ImgList");
    ui::TIcon deleteIcon;
    LoadFormPicture(deleteIcon, kDeleteIconPicture);
    List_Delete_ImgList->AddIcon(deleteIcon);
    Browser_ImgList = NewComponent<TImageList>(this, "Browser_ImgList");
    TrayIcon = NewComponent<TTrayIcon>(this, "TrayIcon");
    TrayIcon_Imglist = NewComponent<TImageList>(this, "TrayIcon_Imglist");
    TrayMenu = NewComponent<TPopupMenu>(this, "TrayMenu");
    Exit = TrayMenu->Add(u"", "Exit");
    TrayIcon->SetPopupMenu(TrayMenu);

    Sch_Timer = Timer(this, "Sch_Timer", 2000);
    ExtBtn_Timer = Timer(this, "ExtBtn_Timer", 100);
    TrayIcon_Animate_Timer = Timer(this, "TrayIcon_Animate_Timer", 800);
    Renew_BM_Tree_Timer = Timer(this, "Renew_BM_Tree_Timer", 1000);
    TreeExpandTimer_Res = Timer(this, "TreeExpandTimer_Res", 1000);
    TreeExpandTimer_DE = Timer(this, "TreeExpandTimer_DE", 1000);
    TreeExpandTimer_DM = Timer(this, "TreeExpandTimer_DM", 1000);
    DE_Timer = Timer(this, "DE_Timer", 1000);
    DM_Timer = Timer(this, "DM_Timer", 1000);
    CreateDeletePageControls(*this);

    CreateHotkeyBlock(*this);
    CreateScheduleBlock(*this);

    SetBorderStyle(ui::TFormBorderStyle::bsNone);
    SetPosition(ui::TPosition::poScreenCenter);
    SetCaption(u"Harbex2");
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnActivate = [this](TObject* s) { FormActivate(s); };
    OnCloseQuery = [this](TObject* s, bool& canClose) { FormCloseQuery(s, canClose); };
    OnClose = [this](TObject* s, TCloseAction& action) { FormClose(s, action); };
    Lang_Sel_CBox->OnChange = [this](TObject* s) { Lang_Sel_CBoxChange(s); };
    // The language change focuses the edit itself; a list closed without a change still rests its opener.
    Lang_Sel_CBox->OnCloseUp = [this](TObject*) { ResetButtonSkins(*this); };
    TrayIcon->OnClick = [this](TObject* s) { TrayIconClick(s); };
    Exit->OnClick = [this](TObject* s) { ExitClick(s); };
    TrayIcon_Animate_Timer->OnTimer = [this](TObject* s) { TrayIcon_Animate_TimerTimer(s); };
    ExtBtn_Timer->OnTimer = [this](TObject* s) { ExtBtn_TimerTimer(s); };
    Renew_BM_Tree_Timer->OnTimer = [this](TObject* s) { Renew_BM_Tree_TimerTimer(s); };
}
