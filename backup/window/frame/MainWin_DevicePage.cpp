// Page 2's drive picture: hover and press pictures over the drive, and safe removal of the first
// external drive after the user agrees.

#include "backup/base/Language.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/PageBindings.h"
#include "platform/devices.h"

namespace {

constexpr int kDriveResting = 23022;
constexpr int kDriveHover = 23023;
constexpr int kDrivePressed = 23021;
constexpr int kTextSafeRemoval = 20103;

// The label's upper-left corner lies beside the drive in the picture.
bool OnDrive(int x, int y)
{
    return x > 158 || y > 80;
}

}  // namespace

void TMainForm::Sum_Dev_MainIco_LabMouseMove(TObject*, TShiftState, int X, int Y)
{
    TLabel* target = Sum_Dev_MainIco_Lab;
    const bool active = ExternalDrives.Count > 0 && OnDrive(X, Y);
    if (ExternalDrives.Count > 0) {
        LoadPngResource(Sum_Dev_MainIco_Img, active ? kDriveHover : kDriveResting);
    }
    target->SetCursor(active ? ui::crHandPoint : ui::crDefault);
    target->SetShowHint(active);
}

void TMainForm::Sum_Dev_MainIco_LabMouseDown(TObject*, TMouseButton, TShiftState, int X, int Y)
{
    if (ExternalDrives.Count > 0 && OnDrive(X, Y)) {
        LoadPngResource(Sum_Dev_MainIco_Img, kDrivePressed);
    }
}

void TMainForm::Sum_Dev_MainIco_LabMouseUp(TObject*, TMouseButton, TShiftState, int X, int Y)
{
    if (ExternalDrives.Count == 0 || !OnDrive(X, Y)) {
        return;
    }
    // The question may outlast the drive; the first external drive is read after the answer.
    if (AskQuestion(LookupText(*LangTable, kTextSafeRemoval)) == 1 && ExternalDrives.Count > 0) {
        platform::RequestSafeRemoval(ExternalDrives.Roots[0].front());
    }
}

void TMainForm::Sum_Dev_MainIco_LabMouseLeave(TObject*)
{
    LoadPngResource(Sum_Dev_MainIco_Img, kDriveResting);
}

void BindOverviewPageHandlers(TMainForm& form)
{
    TMainForm* f = &form;
    for (TControl* passive : std::initializer_list<TControl*>{
             form.Sum_DeviceIco_Img, form.DebugInfo_Memo, form.Sum_Dev_MainIco_Img, form.Dev_Capacity_BK_Deep_Lab,
             form.Dev_Capacity_BK_Light_Lab, form.Dev_Capacity_Bar_Img, form.Dev_Capacity_Title_Lab,
             form.Dev_Capacity_Lab, form.Dev_Partitions_Title_Lab, form.Dev_Partitions_Lab, form.Dev_Name_Title_Lab,
             form.Dev_Name_Lab, form.Upd_Title_BK_Lab, form.Upd_Title_Lab, form.Upd_BK_Lab, form.Upd_Btn_Pan,
             form.Upd_Auto_Check_Img, form.Upd_Auto_Lab}) {
        passive->OnMouseMove = [f](TObject* s, TShiftState shift, int x, int y) { f->FormMouseMove(s, shift, x, y); };
    }
    TLabel* target = form.Sum_Dev_MainIco_Lab;
    target->OnMouseMove = [f](TObject* s, TShiftState shift, int x, int y) {
        f->Sum_Dev_MainIco_LabMouseMove(s, shift, x, y);
    };
    target->OnMouseDown = [f](TObject* s, TMouseButton b, TShiftState shift, int x, int y) {
        f->Sum_Dev_MainIco_LabMouseDown(s, b, shift, x, y);
    };
    target->OnMouseUp = [f](TObject* s, TMouseButton b, TShiftState shift, int x, int y) {
        f->Sum_Dev_MainIco_LabMouseUp(s, b, shift, x, y);
    };
    target->OnMouseLeave = [f](TObject* s) { f->Sum_Dev_MainIco_LabMouseLeave(s); };
}
