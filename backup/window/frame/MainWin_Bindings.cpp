// The handlers of the frame and the menu, bound to their controls as the form description binds
// them.

#include "backup/window/frame/HandlerBinding.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/MenuGroups.h"
#include "backup/window/frame/PageBindings.h"
#include "backup/window/frame/RestoreControls.h"
#include "backup/window/frame/SettingsControls.h"
#include "backup/window/frame/SettingsTabs.h"

namespace {

constexpr NotifyHandler kGroupClicks[kMenuGroupCount] = {
    &TMainForm::Menu_SumIndex_BtnImgClick, &TMainForm::Menu_BacIndex_BtnImgClick, &TMainForm::Menu_ResIndex_BtnImgClick,
    &TMainForm::Menu_DelIndex_BtnImgClick, &TMainForm::Menu_AppIndex_BtnImgClick, &TMainForm::Menu_SetIndex_BtnImgClick,
};

constexpr NotifyHandler kPageClicks[kPageCount] = {
    &TMainForm::Menu_Sum_ProBtn_LabClick,  &TMainForm::Menu_Sum_DevBtn_LabClick,
    &TMainForm::Menu_Bac_EasyBtn_LabClick, &TMainForm::Menu_Bac_ManualBtn_LabClick,
    &TMainForm::Menu_Res_EasyBtn_LabClick, &TMainForm::Menu_Res_ManualBtn_LabClick,
    &TMainForm::Menu_Del_EasyBtn_LabClick, &TMainForm::Menu_Del_ManualBtn_LabClick,
    &TMainForm::Menu_App_FavBtn_LabClick,  &TMainForm::Menu_Set_GenBtn_LabClick,
    &TMainForm::Menu_Set_BacBtn_LabClick,  &TMainForm::Menu_Set_UpdBtn_LabClick,
};

}  // namespace

void TMainForm::BindHandlers()
{
    OnResize = [this](TObject* sender) { FormResize(sender); };
    for (TControl* passive : std::initializer_list<TControl*>{static_cast<TControl*>(this),
                                                              MainMenu_Pan,
                                                              Work_Pan,
                                                              MenuBK_Lab,
                                                              Title_Img,
                                                              VemoLogo_Img,
                                                              DragDrop_Lab,
                                                              MainBK_UpFrame_Img,
                                                              MainBK_Box_LU_Img,
                                                              MainBK_Box_LD_Img,
                                                              MainBK_Box_RU_Img,
                                                              MainBK_Box_RD_Img,
                                                              Work_TitleIco_Img,
                                                              Work_Title_Lab,
                                                              Work_Title_Des_Lab,
                                                              HorzLine_Up_Pan,
                                                              HorzLine_Low_Pan,
                                                              static_cast<TControl*>(Sum_Pro_Pan),
                                                              Sum_Dev_Pan,
                                                              Bac_Pan,
                                                              Res_Pan,
                                                              Del_Pan,
                                                              App_Fav_Pan,
                                                              Set_Gen_Pan,
                                                              Set_Bac_Pan,
                                                              Set_Upd_Pan,
                                                              Progress_Pan}) {
        BindMove(passive, this, &TMainForm::FormMouseMove);
    }

    BindClick(Main_ExitBtn_Img, this, &TMainForm::Main_ExitBtn_ImgClick);
    BindClick(Main_MaxBtn_Img, this, &TMainForm::Main_MaxBtn_ImgClick);
    BindClick(Main_MinBtn_Img, this, &TMainForm::Main_MinBtn_ImgClick);
    BindMove(Main_ExitBtn_Img, this, &TMainForm::Main_ExitBtn_ImgMouseMove);
    BindMove(Main_MaxBtn_Img, this, &TMainForm::Main_MaxBtn_ImgMouseMove);
    BindMove(Main_MinBtn_Img, this, &TMainForm::Main_MinBtn_ImgMouseMove);
    BindDown(Main_ExitBtn_Img, this, &TMainForm::Main_ExitBtn_ImgMouseDown);
    BindDown(Main_MaxBtn_Img, this, &TMainForm::Main_MaxBtn_ImgMouseDown);
    BindDown(Main_MinBtn_Img, this, &TMainForm::Main_MinBtn_ImgMouseDown);

    BindDown(DragSizeBtn_Img, this, &TMainForm::DragSizeBtn_ImgMouseDown);
    BindMove(DragSizeBtn_Img, this, &TMainForm::DragSizeBtn_ImgMouseMove);
    BindUp(DragSizeBtn_Img, this, &TMainForm::DragSizeBtn_ImgMouseUp);
    BindDown(MainBK_RightFrame_Img, this, &TMainForm::MainBK_RightFrame_ImgMouseDown);
    BindMove(MainBK_RightFrame_Img, this, &TMainForm::MainBK_RightFrame_ImgMouseMove);
    BindUp(MainBK_RightFrame_Img, this, &TMainForm::MainBK_RightFrame_ImgMouseUp);
    BindDown(MainBK_LeftFrame_Img, this, &TMainForm::MainBK_LeftFrame_ImgMouseDown);
    BindMove(MainBK_LeftFrame_Img, this, &TMainForm::MainBK_LeftFrame_ImgMouseMove);
    BindUp(MainBK_LeftFrame_Img, this, &TMainForm::MainBK_LeftFrame_ImgMouseUp);
    BindDown(MainBK_DownFrame_Img, this, &TMainForm::MainBK_DownFrame_ImgMouseDown);
    BindMove(MainBK_DownFrame_Img, this, &TMainForm::MainBK_DownFrame_ImgMouseMove);
    BindUp(MainBK_DownFrame_Img, this, &TMainForm::MainBK_DownFrame_ImgMouseUp);
    BindDown(DragDrop_Lab, this, &TMainForm::DragDrop_LabMouseDown);
    BindClick(Client_LogoBK_Img, this, &TMainForm::Client_Logo_ImgClick);
    BindClick(Client_Logo_Img, this, &TMainForm::Client_Logo_ImgClick);
    BindBackupPageHandlers(*this);
    BindLanguageSelectorHandlers(*this);
    BindWorkButtonHandlers(*this);
    BindOverviewPageHandlers(*this);
    BindTitleButtonHandlers(*this);
    BindSettingsPageHandlers(*this);
    BindFavoritesPageHandlers(*this);
    BindRestorePageHandlers(*this);
    BindHotkeyTabHandlers(*this);
    BindScheduleTabHandlers(*this);
    BindClick(Version_Lab, this, &TMainForm::Menu_Set_BacBtn_LabClick);
    Version_Lab->OnMouseMove = [this](TObject*, TShiftState, int, int) { MenuSubButtonMouseMove(11); };

    for (int index = 0; index < kMenuGroupCount; ++index) {
        const MenuGroup& group = MenuGroups()[index];
        for (TControl* part : {static_cast<TControl*>(this->*group.BtnImg), static_cast<TControl*>(this->*group.BtnLab),
                               static_cast<TControl*>(this->*group.IcoImg)}) {
            BindClick(part, this, kGroupClicks[index]);
            part->OnMouseDown = [this, index](TObject*, TMouseButton, TShiftState, int, int) {
                MenuGroupMouseDown(index);
            };
            part->OnMouseMove = [this, index](TObject*, TShiftState, int, int) { MenuGroupMouseMove(index); };
        }
        for (const MenuSubButton& sub : group.SubButtons) {
            const int page = sub.Page;
            for (TControl* part : {static_cast<TControl*>(this->*sub.Img), static_cast<TControl*>(this->*sub.Lab)}) {
                BindClick(part, this, kPageClicks[page - 1]);
                part->OnMouseMove = [this, page](TObject*, TShiftState, int, int) { MenuSubButtonMouseMove(page); };
            }
        }
    }
}
