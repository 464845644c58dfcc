#include "backup/skin/ControlFactory.h"
#include "backup/window/frame/DropDowns.h"
#include "backup/window/frame/HandlerBinding.h"
#include "backup/window/frame/RestoreControls.h"

#include <string>

namespace {

using F = TMainForm;

constexpr std::array<RestoreCategoryRow, kRestoreRowCount> kRows = {{
    {&F::RE_BK_Doc_Lab, &F::RE_Check_Doc_Img, &F::RE_Ico_Doc_Img, &F::RE_IcoDes_Doc_Lab, &F::RE_Info_Size_Doc_Lab,
     &F::RE_Info_Time_Doc_Lab, 25002, u"Documents"},
    {&F::RE_BK_Gra_Lab, &F::RE_Check_Gra_Img, &F::RE_Ico_Gra_Img, &F::RE_IcoDes_Gra_Lab, &F::RE_Info_Size_Gra_Lab,
     &F::RE_Info_Time_Gra_Lab, 25003, u"Graphics"},
    {&F::RE_BK_Aud_Lab, &F::RE_Check_Aud_Img, &F::RE_Ico_Aud_Img, &F::RE_IcoDes_Aud_Lab, &F::RE_Info_Size_Aud_Lab,
     &F::RE_Info_Time_Aud_Lab, 25001, u"Audio"},
    {&F::RE_BK_Vid_Lab, &F::RE_Check_Vid_Img, &F::RE_Ico_Vid_Img, &F::RE_IcoDes_Vid_Lab, &F::RE_Info_Size_Vid_Lab,
     &F::RE_Info_Time_Vid_Lab, 25005, u"Videos"},
    {&F::RE_BK_Mai_Lab, &F::RE_Check_Mai_Img, &F::RE_Ico_Mai_Img, &F::RE_IcoDes_Mai_Lab, &F::RE_Info_Size_Mai_Lab,
     &F::RE_Info_Time_Mai_Lab, 25004, u"Mails"},
    {&F::RE_BK_Oth_Lab, &F::RE_Check_Oth_Img, &F::RE_Ico_Oth_Img, &F::RE_IcoDes_Oth_Lab, &F::RE_Info_Size_Oth_Lab,
     &F::RE_Info_Time_Oth_Lab, 25006, u"Other"},
}};

constexpr const char* kRowParts[kRestoreRowCount] = {"Doc", "Gra", "Aud", "Vid", "Mai", "Oth"};

constexpr NotifyHandler kCheckClicks[kEasyCategoryCount] = {&F::RE_Check_Doc_ImgClick, &F::RE_Check_Gra_ImgClick,
                                                            &F::RE_Check_Aud_ImgClick, &F::RE_Check_Vid_ImgClick,
                                                            &F::RE_Check_Mai_ImgClick};

}  // namespace

const std::array<RestoreCategoryRow, kRestoreRowCount>& RestoreCategoryRows()
{
    return kRows;
}

void CreateRestorePageControls(TMainForm& form)
{
    TPanel* page = form.Res_Pan;
    form.Res_PC_Sel_BK_Deep_Lab = NewFixedLabel(&form, "Res_PC_Sel_BK_Deep_Lab", page);
    form.Res_PC_Sel_BK_Light_Lab = NewFixedLabel(&form, "Res_PC_Sel_BK_Light_Lab", page);
    form.Res_HourGlass_Easy_Img = NewSkinImage(&form, "Res_HourGlass_Easy_Img", page);
    form.Res_HourGlass_Manual_Img = NewSkinImage(&form, "Res_HourGlass_Manual_Img", page);
    form.RE_Renew_Btn_Pan = NewPlainPanel(&form, "RE_Renew_Btn_Pan", page);
    form.RE_Renew_BK_Left_Img = NewSkinImage(&form, "RE_Renew_BK_Left_Img", form.RE_Renew_Btn_Pan);
    form.RE_Renew_BK_Center_Img = NewSkinImage(&form, "RE_Renew_BK_Center_Img", form.RE_Renew_Btn_Pan);
    form.RE_Renew_BK_Right_Img = NewSkinImage(&form, "RE_Renew_BK_Right_Img", form.RE_Renew_Btn_Pan);
    form.RE_Renew_Btn_Lab = NewFixedLabel(&form, "RE_Renew_Btn_Lab", form.RE_Renew_Btn_Pan);
    form.Res_PC_Sel_Title_Lab = NewFixedLabel(&form, "Res_PC_Sel_Title_Lab", page);
    form.Res_PC_Sel_Pan_BK_Lab = NewFixedLabel(&form, "Res_PC_Sel_Pan_BK_Lab", page);
    form.Res_PC_Sel_Pan = NewPlainPanel(&form, "Res_PC_Sel_Pan", page);
    form.Res_PC_Sel_Btn_Img = NewSkinImage(&form, "Res_PC_Sel_Btn_Img", form.Res_PC_Sel_Pan);
    form.Res_PC_Show_Edit = NewControl<TEdit>(&form, "Res_PC_Show_Edit", form.Res_PC_Sel_Pan);
    form.Res_PC_Show_Edit->SetBorderStyle(ui::TBorderStyle::bsNone);
    form.Res_PC_Sel_CBox = NewControl<TComboBox>(&form, "Res_PC_Sel_CBox", form.Res_PC_Sel_Pan);
    form.Res_PC_Sel_CBox->SetStyle(ui::TComboBoxStyle::csDropDownList);
    form.Res_PC_Sel_CBox->SetBevelKind(ui::TBevelKind::bkFlat);
    form.Res_Time_Sel_BK_Deep_Lab = NewFixedLabel(&form, "Res_Time_Sel_BK_Deep_Lab", page);
    form.Res_Time_Sel_BK_Light_Lab = NewFixedLabel(&form, "Res_Time_Sel_BK_Light_Lab", page);
    form.Res_Time_Sel_Title_Lab = NewFixedLabel(&form, "Res_Time_Sel_Title_Lab", page);
    form.Res_Time_Sel_Btn_Img = NewSkinImage(&form, "Res_Time_Sel_Btn_Img", page);
    form.RE_Time_Sel_Show_Lab = NewFixedLabel(&form, "RE_Time_Sel_Show_Lab", page);
    form.RM_Time_Sel_Show_Lab = NewFixedLabel(&form, "RM_Time_Sel_Show_Lab", page);
    form.RE_BK_Lab = NewFixedLabel(&form, "RE_BK_Lab", page);
    for (int r = 0; r < kRestoreRowCount; ++r) {
        const RestoreCategoryRow& row = kRows[r];
        const std::string part = kRowParts[r];
        form.*row.Ground = NewFixedLabel(&form, "RE_BK_" + part + "_Lab", page);
        form.*row.Check = NewSkinImage(&form, "RE_Check_" + part + "_Img", page);
        form.*row.Icon = NewSkinImage(&form, "RE_Ico_" + part + "_Img", page);
        form.*row.Name = NewFixedLabel(&form, "RE_IcoDes_" + part + "_Lab", page);
        form.*row.Size = NewFixedLabel(&form, "RE_Info_Size_" + part + "_Lab", page);
        form.*row.Time = NewFixedLabel(&form, "RE_Info_Time_" + part + "_Lab", page);
    }
    form.RM_TreeBK_Lab = NewFixedLabel(&form, "RM_TreeBK_Lab", page);
    form.RM_Tree = NewControl<TTreeView>(&form, "RM_Tree", page);
    form.Res_DestBK_Lab = NewFixedLabel(&form, "Res_DestBK_Lab", page);
    form.Res_Dest_Title_Lab = NewFixedLabel(&form, "Res_Dest_Title_Lab", page);
    form.Res_Dest_Edit = NewControl<TEdit>(&form, "Res_Dest_Edit", page);
    form.Res_Dest_Edit->SetBorderStyle(ui::TBorderStyle::bsNone);
    form.Res_BrowserBtn_Img = NewSkinImage(&form, "Res_BrowserBtn_Img", page);
    form.Res_ArrowIcon_Img = NewSkinImage(&form, "Res_ArrowIcon_Img", page);
}

void BindRestorePageHandlers(TMainForm& form)
{
    TMainForm* f = &form;
    for (int r = 0; r < kEasyCategoryCount; ++r) {
        BindClick(form.*kRows[r].Check, f, kCheckClicks[r]);
    }
    BindClick(form.RE_Renew_Btn_Lab, f, &F::RE_Renew_Btn_LabClick);
    BindMove(form.RE_Renew_Btn_Lab, f, &F::RE_Renew_Btn_LabMouseMove);
    BindDown(form.RE_Renew_Btn_Lab, f, &F::RE_Renew_Btn_LabMouseDown);
    form.RE_Renew_Btn_Lab->OnMouseLeave = [f](TObject* s) { f->RE_Renew_Btn_LabMouseLeave(s); };
    form.Res_PC_Sel_CBox->OnChange = [f](TObject* s) { f->Res_PC_Sel_CBoxChange(s); };
    form.Res_PC_Sel_CBox->OnCloseUp = [f](TObject*) { SelectorListClosed(*f, f->Res_PC_Show_Edit); };
    BindSelectorOpener(form, form.Res_PC_Sel_Btn_Img, &F::Res_PC_Sel_Btn_ImgClick, &F::Res_PC_Sel_Btn_ImgMouseMove,
                       &F::Res_PC_Sel_Btn_ImgMouseDown);
    BindClick(form.Res_BrowserBtn_Img, f, &F::Res_BrowserBtn_ImgClick);
    BindMove(form.Res_BrowserBtn_Img, f, &F::Res_BrowserBtn_ImgMouseMove);
    BindDown(form.Res_BrowserBtn_Img, f, &F::Res_BrowserBtn_ImgMouseDown);
    BindClick(form.Res_Time_Sel_Btn_Img, f, &F::Res_Time_Sel_Btn_ImgClick);
    BindMove(form.Res_Time_Sel_Btn_Img, f, &F::Res_Time_Sel_Btn_ImgMouseMove);
    BindDown(form.Res_Time_Sel_Btn_Img, f, &F::Res_Time_Sel_Btn_ImgMouseDown);
    BindDown(form.RM_Tree, f, &F::RM_TreeMouseDown);
    form.RM_Tree->OnExpanding = [f](TObject* s, ui::TTreeNode* n, bool& allow) { f->RM_TreeExpanding(s, n, allow); };
    form.RM_Tree->OnExpanded = [f](TObject* s, ui::TTreeNode* n) { f->RM_TreeExpanded(s, n); };
    form.TreeExpandTimer_Res->OnTimer = [f](TObject* s) { f->TreeExpandTimer_ResTimer(s); };
}
