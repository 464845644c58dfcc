// The work area's buttons: the right one starts the page's job, the left one asks whether to stop
// the running job or Renew, the progress panel's one closes a finished job; and the error list.

#include "backup/base/ErrorText.h"
#include "backup/base/Language.h"
#include "backup/base/TextFormat.h"
#include "backup/skin/SkinButton.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/PageBindings.h"
#include "backup/window/frame/WorkPage.h"
#include "backup/window/jobs/ProgressPanel.h"
#include "backup/window/jobs/StartersBackup.h"

namespace {

constexpr int kCancelBackup = 20142;
constexpr int kCancelRestore = 20147;
constexpr int kCancelRenew = 20165;
constexpr int kInvalidPath = 20196;
constexpr DWORD kPathNotFound = 3;

SkinButtonParts RightButton(TMainForm& form)
{
    return {form.Work_Btn_Right_Pan, form.RB_BK_Left_Img, form.RB_BK_Center_Img, form.RB_BK_Right_Img, form.RB_Btn_Lab};
}

SkinButtonParts LeftButton(TMainForm& form)
{
    return {form.Work_Btn_Left_Pan, form.LB_BK_Left_Img, form.LB_BK_Center_Img, form.LB_BK_Right_Img, form.LB_Btn_Lab};
}

SkinButtonParts PanelButton(TMainForm& form)
{
    return {form.Progress_OK_Btn_Pan, form.PB_BK_Left_Img, form.PB_BK_Center_Img, form.PB_BK_Right_Img,
            form.PB_Btn_Lab};
}

// The cancel question of the running job's page, whatever page is shown; 0 for a page whose jobs
// cannot be cancelled.
int CancelQuestion(const TMainForm& form)
{
    int id = 0;
    switch (static_cast<WorkPage>(form.JobPage != WorkPage::None ? form.JobPage : form.CurrentPage)) {
    case WorkPage::EasyBackup:
    case WorkPage::ManualBackup:
    case WorkPage::Favorites:
        id = kCancelBackup;
        break;
    case WorkPage::EasyRestore:
    case WorkPage::ManualRestore:
        id = kCancelRestore;
        break;
    default:
        return 0;
    }
    return form.Renewing == 1 ? kCancelRenew : id;
}

}  // namespace

void TMainForm::RB_Btn_LabClick(TObject*)
{
    if (Idle == 1) {
        RunPageOperation(*this);
    }
}

void TMainForm::RB_Btn_LabMouseMove(TObject*, TShiftState Shift, int, int)
{
    if (Idle == 1 && !Shift.LeftHeld()) {
        ShowButtonLook(RightButton(*this), ButtonLook::Hover);
    }
}

void TMainForm::RB_Btn_LabMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    if (Idle == 1) {
        ShowButtonLook(RightButton(*this), ButtonLook::Pressed);
    }
}

void TMainForm::RB_Btn_LabMouseLeave(TObject*)
{
    if (Idle == 1) {
        ShowButtonLook(RightButton(*this), ButtonLook::Normal);
    }
}

void TMainForm::LB_Btn_LabClick(TObject*)
{
    const int id = CancelQuestion(*this);
    if (id == 0) {
        return;
    }
    const std::u16string question = LookupText(*LangTable, id);
    CancelAsking = 1;
    if (AskQuestion(question) == 1) {
        CancelRequested = 1;
    }
    CancelAsking = 0;
}

void TMainForm::LB_Btn_LabMouseMove(TObject*, TShiftState Shift, int, int)
{
    if (!Shift.LeftHeld()) {
        ShowButtonLook(LeftButton(*this), ButtonLook::Hover);
    }
}

void TMainForm::LB_Btn_LabMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ShowButtonLook(LeftButton(*this), ButtonLook::Pressed);
}

void TMainForm::LB_Btn_LabMouseLeave(TObject*)
{
    ShowButtonLook(LeftButton(*this), ButtonLook::Normal);
}

void TMainForm::PB_Btn_LabClick(TObject*)
{
    if (ProgressFinished == 1) {
        CloseProgressPanel(*this);
    }
}

void TMainForm::PB_Btn_LabMouseMove(TObject*, TShiftState Shift, int, int)
{
    if (ProgressFinished == 1 && !Shift.LeftHeld()) {
        ShowButtonLook(PanelButton(*this), ButtonLook::Hover);
    }
}

void TMainForm::PB_Btn_LabMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    if (ProgressFinished == 1) {
        ShowButtonLook(PanelButton(*this), ButtonLook::Pressed);
    }
}

void TMainForm::Progress_ListClick(TObject*)
{
}

void TMainForm::Progress_ListDblClick(TObject*)
{
    const ui::TListItem* row = Progress_List->Selected();
    if (row == nullptr || row->SubItems().Count() < 2) {
        return;
    }
    const auto code = ParseDecimal(row->SubItems().Strings(1));
    if (!code) {
        return;
    }
    const DWORD error = static_cast<DWORD>(*code);
    ShowNoticeBox(error == kPathNotFound ? LookupText(*LangTable, kInvalidPath) : WindowsErrorText(error));
}

void BindWorkButtonHandlers(TMainForm& form)
{
    TMainForm* f = &form;
    const auto bindButton = [f](TLabel* label, auto move, auto down) {
        label->OnMouseMove = [f, move](TObject* s, TShiftState shift, int x, int y) { (f->*move)(s, shift, x, y); };
        label->OnMouseDown = [f, down](TObject* s, TMouseButton b, TShiftState shift, int x, int y) {
            (f->*down)(s, b, shift, x, y);
        };
    };
    bindButton(form.RB_Btn_Lab, &TMainForm::RB_Btn_LabMouseMove, &TMainForm::RB_Btn_LabMouseDown);
    form.RB_Btn_Lab->OnClick = [f](TObject* s) { f->RB_Btn_LabClick(s); };
    form.RB_Btn_Lab->OnMouseLeave = [f](TObject* s) { f->RB_Btn_LabMouseLeave(s); };
    bindButton(form.LB_Btn_Lab, &TMainForm::LB_Btn_LabMouseMove, &TMainForm::LB_Btn_LabMouseDown);
    form.LB_Btn_Lab->OnClick = [f](TObject* s) { f->LB_Btn_LabClick(s); };
    form.LB_Btn_Lab->OnMouseLeave = [f](TObject* s) { f->LB_Btn_LabMouseLeave(s); };
    bindButton(form.PB_Btn_Lab, &TMainForm::PB_Btn_LabMouseMove, &TMainForm::PB_Btn_LabMouseDown);
    form.PB_Btn_Lab->OnClick = [f](TObject* s) { f->PB_Btn_LabClick(s); };
    form.Progress_List->OnClick = [f](TObject* s) { f->Progress_ListClick(s); };
    form.Progress_List->OnDblClick = [f](TObject* s) { f->Progress_ListDblClick(s); };
}
