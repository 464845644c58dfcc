// The busy state of a running job, the tray icon with its animation and its one
// menu item, the delayed rebuild of the Manual Backup source tree, and the
// window-procedure hook of the error list.

#include "backup/base/Language.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/Startup.h"
#include "backup/window/jobs/JobControl.h"
#include "backup/window/jobs/ProgressPanel.h"
#include "ui/gfx/painter.h"
#include "ui/windows.h"

namespace {

constexpr int kBackupTreeRenewTicks = 5;
constexpr int kHeaderTextInset = 5;

}  // namespace

void TMainForm::EnterBusyState()
{
    MayClose = 0;
    TrayIcon_Animate_Timer->SetEnabled(true);
}

void TMainForm::LeaveBusyState()
{
    MayClose = 1;
    TrayIcon_Animate_Timer->SetEnabled(false);
    TrayFrame = 0;
    TrayIcon->SetIconIndex(0);
}

void TMainForm::AnimateTrayIcon()
{
    if (Idle == 1) {
        TrayIcon_Animate_Timer->SetEnabled(false);
        return;
    }
    TrayIcon->SetIconIndex(TrayFrame);
    ++TrayFrame;
    if (TrayFrame >= TrayIcon_Imglist->Count()) {
        TrayFrame = 0;
    }
}

void TMainForm::TrayIcon_Animate_TimerTimer(TObject*)
{
    AnimateTrayIcon();
}

void TMainForm::ScheduleBackupTreeRenew()
{
    BackupTreeRenewTicks = 0;
    Renew_BM_Tree_Timer->SetEnabled(true);
}

void TMainForm::BackupTreeRenewTick()
{
    // A request that arrives while messages run restarts the count before it is
    // evaluated.
    PumpPendingMessages();
    ++BackupTreeRenewTicks;
    if (BackupTreeRenewTicks >= kBackupTreeRenewTicks) {
        Renew_BM_Tree_Timer->SetEnabled(false);
        BackupTreeRenewTicks = 0;
        RefillBackupTree(*this);
    }
}

void TMainForm::Renew_BM_Tree_TimerTimer(TObject*)
{
    BackupTreeRenewTick();
}

void TMainForm::TrayIconClick(TObject*)
{
    ShowWindow(ui::Application->Handle(), SW_SHOW);
    ui::Application->Restore();
    Show();
}

void TMainForm::ExitClick(TObject*)
{
    if (MayClose != 1) {
        return;
    }
    TrayIcon->SetVisible(false);
    Close();
}

void TMainForm::SubclassListViews()
{
    SavedScheduleListProc = Sch_ListView->WindowProc;
    Sch_ListView->WindowProc = [this](ui::TMessage& message) { ScheduleListViewProc(message); };
    SavedProgressListProc = Progress_List->WindowProc;
    Progress_List->WindowProc = [this](ui::TMessage& message) { ProgressListWindowProc(message); };
}

// The schedule list never shows a horizontal scroll bar.
void TMainForm::ScheduleListViewProc(ui::TMessage& Message)
{
    if (Message.Msg == WM_NCCALCSIZE) {
        ShowScrollBar(Sch_ListView->Handle(), ui::SB_HORZ, FALSE);
    }
    SavedScheduleListProc(Message);
}

void TMainForm::ProgressListWindowProc(ui::TMessage& Message)
{
    if (Message.Msg == WM_PAINT) {
        SavedProgressListProc(Message);
        MakeHeaderOwnerDrawn(*this);
        SavedProgressListProc(Message);
        return;
    }
    auto* item = reinterpret_cast<ui::DRAWITEMSTRUCT*>(Message.LParam);
    if (Message.Msg != WM_DRAWITEM || item == nullptr || item->painter == nullptr) {
        SavedProgressListProc(Message);
        return;
    }
    ui::Rect rect = item->rcItem;
    rect.left += kHeaderTextInset;
    ui::gfx::FontSpec font = Progress_List->Font().Spec();
    font.name = u"Arial";
    font.color = Palette[8];
    item->painter->FillRect(rect, Palette[12]);
    const auto align = LangId == kRtlLangId ? ui::gfx::TextFlags::Center : ui::gfx::TextFlags::Left;
    item->painter->DrawText(rect, Progress_List->Columns().Items(static_cast<int>(item->itemID))->Caption(), font,
                            align | ui::gfx::TextFlags::SingleLine | ui::gfx::TextFlags::VCenter);
    Message.Result = 1;
}
