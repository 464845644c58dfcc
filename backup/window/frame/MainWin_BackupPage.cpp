// The Easy Backup page's handlers: the category ticks, the Renew button of the capacity display and
// the destination selector.

#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/DropDowns.h"
#include "backup/window/frame/EasyCategoryRows.h"
#include "backup/window/frame/HandlerBinding.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/PageBindings.h"
#include "backup/window/frame/RenewButton.h"
#include "backup/window/jobs/Capacity.h"
#include "backup/window/jobs/JobControl.h"
#include "backup/window/jobs/StartersCommon.h"
#include "backup/window/layout/EnableStates.h"

namespace {

constexpr int kCheckTicked = 23019;
constexpr int kCheckClear = 23017;
constexpr int kHourGlassStill = 23076;
constexpr int kHourGlassMoving = 23077;

void ShowRenewSkins(TMainForm& form, const RenewSkins& skins)
{
    ::ShowRenewSkins(form.BE_Renew_BK_Left_Img, form.BE_Renew_BK_Center_Img, form.BE_Renew_BK_Right_Img, skins);
}

void FlipCategory(TMainForm& form, int k)
{
    BYTE& chosen = form.EasyBackupCategories[k];
    chosen = chosen == 0 ? 1 : 0;
    LoadPngResource(form.*EasyCategoryRows()[k].Check, chosen != 0 ? kCheckTicked : kCheckClear);
    SaveBacTypeSet(form);
}

}  // namespace

void TMainForm::BE_Cls_Check_Doc_ImgClick(TObject*)
{
    FlipCategory(*this, 0);
}
void TMainForm::BE_Cls_Check_Gra_ImgClick(TObject*)
{
    FlipCategory(*this, 1);
}
void TMainForm::BE_Cls_Check_Aud_ImgClick(TObject*)
{
    FlipCategory(*this, 2);
}
void TMainForm::BE_Cls_Check_Vid_ImgClick(TObject*)
{
    FlipCategory(*this, 3);
}
void TMainForm::BE_Cls_Check_Mai_ImgClick(TObject*)
{
    FlipCategory(*this, 4);
}

void TMainForm::BE_Renew_Btn_LabClick(TObject*)
{
    if (Idle != 1) {
        return;
    }
    SetBackupPageEnabled(*this, 1, false);
    Renewing = 1;
    LoadGifResource(Bac_HourGlass_Easy_Img, kHourGlassMoving);
    PumpPendingMessages();
    RenewEasyBackupCapacity(*this);
    Renewing = 0;
    LoadPngResource(Bac_HourGlass_Easy_Img, kHourGlassStill);
    SetBackupPageEnabled(*this, 1, true);
}

void TMainForm::BE_Renew_Btn_LabMouseMove(TObject*, TShiftState Shift, int, int)
{
    if (Idle == 1 && !Shift.LeftHeld()) {
        ShowRenewSkins(*this, kRenewHover);
    }
}

void TMainForm::BE_Renew_Btn_LabMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    if (Idle == 1) {
        ShowRenewSkins(*this, kRenewPressed);
    }
}

void TMainForm::BE_Renew_Btn_LabMouseLeave(TObject*)
{
    if (Idle == 1) {
        ShowRenewSkins(*this, kRenewNormal);
    }
}

void TMainForm::Bac_Dest_SelBtn_ImgClick(TObject*)
{
    OpenSelectorList(Bac_Dest_CBox);
}

void TMainForm::Bac_Dest_SelBtn_ImgMouseMove(TObject*, TShiftState Shift, int, int)
{
    ShowSelectorHover(*this, Bac_Dest_SelBtn_Img, Shift);
}

void TMainForm::Bac_Dest_SelBtn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowSelectorPressed(Bac_Dest_SelBtn_Img);
}

void TMainForm::Bac_Dest_CBoxChange(TObject*)
{
    CopySelectorChoice(Bac_Dest_CBox, Bac_Dest_Edit);
}
void TMainForm::Bac_Dest_CBoxCloseUp(TObject*)
{
    SelectorListClosed(*this, Bac_Dest_Edit);
}

void BindBackupPageHandlers(TMainForm& form)
{
    TMainForm* f = &form;
    const auto& rows = EasyCategoryRows();
    constexpr NotifyHandler kChecks[kEasyCategoryCount] = {
        &TMainForm::BE_Cls_Check_Doc_ImgClick, &TMainForm::BE_Cls_Check_Gra_ImgClick,
        &TMainForm::BE_Cls_Check_Aud_ImgClick, &TMainForm::BE_Cls_Check_Vid_ImgClick,
        &TMainForm::BE_Cls_Check_Mai_ImgClick,
    };
    for (int k = 0; k < kEasyCategoryCount; ++k) {
        BindClick(form.*rows[k].Check, f, kChecks[k]);
    }
    TLabel* renew = form.BE_Renew_Btn_Lab;
    renew->OnClick = [f](TObject* s) { f->BE_Renew_Btn_LabClick(s); };
    renew->OnMouseMove = [f](TObject* s, TShiftState shift, int x, int y) {
        f->BE_Renew_Btn_LabMouseMove(s, shift, x, y);
    };
    renew->OnMouseDown = [f](TObject* s, TMouseButton b, TShiftState shift, int x, int y) {
        f->BE_Renew_Btn_LabMouseDown(s, b, shift, x, y);
    };
    renew->OnMouseLeave = [f](TObject* s) { f->BE_Renew_Btn_LabMouseLeave(s); };

    BindSelectorOpener(form, form.Bac_Dest_SelBtn_Img, &TMainForm::Bac_Dest_SelBtn_ImgClick,
                       &TMainForm::Bac_Dest_SelBtn_ImgMouseMove, &TMainForm::Bac_Dest_SelBtn_ImgMouseDown);
    form.Bac_Dest_CBox->OnChange = [f](TObject* s) { f->Bac_Dest_CBoxChange(s); };
    form.Bac_Dest_CBox->OnCloseUp = [f](TObject* s) { f->Bac_Dest_CBoxCloseUp(s); };

    const auto passMoves = [f](TControl* control) {
        control->OnMouseMove = [f](TObject* s, TShiftState shift, int x, int y) { f->FormMouseMove(s, shift, x, y); };
    };
    for (TControl* c : std::initializer_list<TControl*>{
             form.BE_BK_Lab, form.Bac_Title_Head_Img, form.Bac_Title_Head_Lab, form.BE_TotalCap_BK_Lab,
             form.BE_TotalCap_Ico_Capacity_Img, form.BE_TotalCap_IcoDes_Lab, form.BE_TotalCap_Show_Lab,
             form.BE_TotalCap_Bar_BK_Deep_Lab, form.BE_TotalCap_Bar_BK_Light_Lab, form.Bac_Dest_Pan,
             form.Bac_Dest_Title_Lab, form.Bac_ArrowIcon_Img, form.BE_Renew_Btn_Pan}) {
        passMoves(c);
    }
    for (const EasyCategoryRow& r : rows) {
        for (TControl* c :
             std::initializer_list<TControl*>{form.*r.Ground, form.*r.Icon, form.*r.Name, form.*r.Size,
                                              form.*r.BarFrame, form.*r.BarGround, form.*r.Bar, form.*r.Segment}) {
            passMoves(c);
        }
    }
}
