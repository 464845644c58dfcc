// The controls of the general and backup settings pages and the bindings of their handlers.

#include "backup/skin/ControlFactory.h"
#include "backup/window/frame/DropDowns.h"
#include "backup/window/frame/HandlerBinding.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/SettingsControls.h"

namespace {

void CreateGeneralPageControls(TMainForm& f)
{
    TPanel* page = f.Set_Gen_Pan;
    f.Lang_Set_BK_Lab = NewFixedLabel(&f, "Lang_Set_BK_Lab", page);
    f.Lang_Sel_Title_Head_Img = NewSkinImage(&f, "Lang_Sel_Title_Head_Img", page);
    f.Lang_Sel_Title_Lab = NewFixedLabel(&f, "Lang_Sel_Title_Lab", page);
    f.Lang_Sel_BK_Lab = NewFixedLabel(&f, "Lang_Sel_BK_Lab", page);
    f.Lang_Sel_Pan_BK_Lab = NewFixedLabel(&f, "Lang_Sel_Pan_BK_Lab", page);
    f.Lang_Sel_Pan = NewPlainPanel(&f, "Lang_Sel_Pan", page);
    f.Lang_Sel_CBox->SetParent(f.Lang_Sel_Pan);
    f.Lang_Show_Edit->SetParent(f.Lang_Sel_Pan);
    f.Lang_Show_Edit->SetBorderStyle(ui::TBorderStyle::bsNone);
    f.Lang_Sel_Btn_Img->SetParent(f.Lang_Sel_Pan);
    f.Gen_Set_BK_Deep_Lab = NewFixedLabel(&f, "Gen_Set_BK_Deep_Lab", page);
    f.Gen_Set_BK_Light_Lab = NewFixedLabel(&f, "Gen_Set_BK_Light_Lab", page);
    f.Start_Win_CheckImg = NewSkinImage(&f, "Start_Win_CheckImg", page);
    f.Start_Win_Lab = NewFixedLabel(&f, "Start_Win_Lab", page);
    f.Minimize_CheckImg = NewSkinImage(&f, "Minimize_CheckImg", page);
    f.Minimize_Lab = NewFixedLabel(&f, "Minimize_Lab", page);
    f.HideBacFolder_Check_Img = NewSkinImage(&f, "HideBacFolder_Check_Img", page);
    f.HideBacFolder_Lab = NewFixedLabel(&f, "HideBacFolder_Lab", page);
}

void CreateTab(TMainForm& f, const std::string& part, TPanel*& pan, TImage*& left, TImage*& center, TImage*& right,
               TLabel*& lab)
{
    pan = NewPlainPanel(&f, "SB_Tag_" + part + "_Pan", f.Set_Bac_Pan);
    left = NewSkinImage(&f, "SBT_" + part + "_BK_Left_Img", pan);
    center = NewSkinImage(&f, "SBT_" + part + "_BK_Center_Img", pan);
    right = NewSkinImage(&f, "SBT_" + part + "_BK_Right_Img", pan);
    lab = NewFixedLabel(&f, "SBT_" + part + "_Lab", pan);
}

void CreateLaunchMethodControls(TMainForm& f)
{
    TPanel* block = NewPlainPanel(&f, "Set_Bac_Startup_Pan", f.Set_Bac_Pan);
    f.Set_Bac_Startup_Pan = block;
    f.Startup_BK_Deep_Lab = NewFixedLabel(&f, "Startup_BK_Deep_Lab", block);
    f.Startup_BK_Light_Lab = NewFixedLabel(&f, "Startup_BK_Light_Lab", block);
    f.Auto_Plugin_CheckImg = NewSkinImage(&f, "Auto_Plugin_CheckImg", block);
    f.Auto_Plugin_Lab = NewFixedLabel(&f, "Auto_Plugin_Lab", block);
    f.Auto_Plugin_Time_BK_Lab = NewFixedLabel(&f, "Auto_Plugin_Time_BK_Lab", block);
    f.Auto_Plugin_Time_Set_Edit = NewControl<TEdit>(&f, "Auto_Plugin_Time_Set_Edit", block);
    f.Auto_Plugin_Time_Set_Edit->SetBorderStyle(ui::TBorderStyle::bsNone);
    f.Auto_Plugin_Time_Sec_Lab = NewFixedLabel(&f, "Auto_Plugin_Time_Sec_Lab", block);
    f.Auto_ClickBtn_CheckImg = NewSkinImage(&f, "Auto_ClickBtn_CheckImg", block);
    f.Auto_ClickBtn_Lab = NewFixedLabel(&f, "Auto_ClickBtn_Lab", block);
    f.Auto_Hotkey_CheckImg = NewSkinImage(&f, "Auto_Hotkey_CheckImg", block);
    f.Auto_Hotkey_Lab = NewFixedLabel(&f, "Auto_Hotkey_Lab", block);
    f.Auto_Sch_CheckImg = NewSkinImage(&f, "Auto_Sch_CheckImg", block);
    f.Auto_Sch_Lab = NewFixedLabel(&f, "Auto_Sch_Lab", block);
    f.Aes_Check_Img = NewSkinImage(&f, "Aes_Check_Img", block);
    f.Aes_Check_Lab = NewFixedLabel(&f, "Aes_Check_Lab", block);

    TPanel* selector = NewPlainPanel(&f, "Auto_ClickBtn_FuncSel_Pan", block);
    f.Auto_ClickBtn_FuncSel_Pan = selector;
    f.AC_FuncSel_Title_Lab = NewFixedLabel(&f, "AC_FuncSel_Title_Lab", selector);
    f.AC_FuncSel_Edit_BK_Lab = NewFixedLabel(&f, "AC_FuncSel_Edit_BK_Lab", selector);
    f.AC_FuncSel_Edit_Pan = NewPlainPanel(&f, "AC_FuncSel_Edit_Pan", selector);
    f.AC_FuncSel_Btn_Img = NewSkinImage(&f, "AC_FuncSel_Btn_Img", f.AC_FuncSel_Edit_Pan);
    f.AC_FuncSel_Edit = NewControl<TEdit>(&f, "AC_FuncSel_Edit", f.AC_FuncSel_Edit_Pan);
    f.AC_FuncSel_Edit->SetBorderStyle(ui::TBorderStyle::bsNone);
    f.AC_FuncSel_Edit->SetReadOnly(true);
    TComboBox* combo = NewControl<TComboBox>(&f, "AC_FuncSel_CBox", f.AC_FuncSel_Edit_Pan);
    combo->SetStyle(ui::TComboBoxStyle::csDropDownList);
    combo->SetBevelKind(ui::TBevelKind::bkFlat);
    combo->Font().SetName(u"Arial");
    combo->Font().SetHeight(12);
    combo->SetItemHeight(12);
    f.AC_FuncSel_CBox = combo;
}

}  // namespace

void CreateSettingsPageControls(TMainForm& form)
{
    CreateGeneralPageControls(form);
    CreateTab(form, "Startup", form.SB_Tag_Startup_Pan, form.SBT_Startup_BK_Left_Img, form.SBT_Startup_BK_Center_Img,
              form.SBT_Startup_BK_Right_Img, form.SBT_Startup_Lab);
    CreateTab(form, "Hotkey", form.SB_Tag_Hotkey_Pan, form.SBT_Hotkey_BK_Left_Img, form.SBT_Hotkey_BK_Center_Img,
              form.SBT_Hotkey_BK_Right_Img, form.SBT_Hotkey_Lab);
    CreateTab(form, "Time", form.SB_Tag_Time_Pan, form.SBT_Time_BK_Left_Img, form.SBT_Time_BK_Center_Img,
              form.SBT_Time_BK_Right_Img, form.SBT_Time_Lab);
    CreateLaunchMethodControls(form);
}

void BindSettingsPageHandlers(TMainForm& form)
{
    TMainForm* f = &form;
    BindClick(form.Start_Win_CheckImg, f, &TMainForm::Start_Win_CheckImgClick);
    BindClick(form.Minimize_CheckImg, f, &TMainForm::Minimize_CheckImgClick);
    BindClick(form.HideBacFolder_Check_Img, f, &TMainForm::HideBacFolder_Check_ImgClick);
    BindClick(form.Auto_Plugin_CheckImg, f, &TMainForm::Auto_Plugin_CheckImgClick);
    BindClick(form.Auto_ClickBtn_CheckImg, f, &TMainForm::Auto_ClickBtn_CheckImgClick);
    BindClick(form.Auto_Hotkey_CheckImg, f, &TMainForm::Auto_Hotkey_CheckImgClick);
    BindClick(form.Auto_Sch_CheckImg, f, &TMainForm::Auto_Sch_CheckImgClick);
    BindClick(form.Aes_Check_Img, f, &TMainForm::Aes_Check_ImgClick);
    BindClick(form.SBT_Startup_Lab, f, &TMainForm::SBT_Startup_LabClick);
    BindClick(form.SBT_Hotkey_Lab, f, &TMainForm::SBT_Hotkey_LabClick);
    BindClick(form.SBT_Time_Lab, f, &TMainForm::SBT_Time_LabClick);
    BindSelectorOpener(form, form.AC_FuncSel_Btn_Img, &TMainForm::AC_FuncSel_Btn_ImgClick,
                       &TMainForm::AC_FuncSel_Btn_ImgMouseMove, &TMainForm::AC_FuncSel_Btn_ImgMouseDown);
    form.AC_FuncSel_CBox->OnChange = [f](TObject* sender) { f->AC_FuncSel_CBoxChange(sender); };
    form.AC_FuncSel_CBox->OnCloseUp = [f](TObject* sender) { f->AC_FuncSel_CBoxCloseUp(sender); };
    form.Auto_Plugin_Time_Set_Edit->OnKeyUp = [f](TObject* sender, WORD& key, TShiftState shift) {
        f->Auto_Plugin_Time_Set_EditKeyUp(sender, key, shift);
    };
}
