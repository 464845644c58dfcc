#pragma once
// A job as the main window runs it: the progress panel (and the countdown window's twin while it
// is up), the cancel question, the message loop and the window's options. Without a main window it
// shows nothing, like the defaults, but still lets the message loop run.

#include "backup/engine/RunningJob.h"

namespace ui {
class TLabel;
class TListView;
}  // namespace ui

class WindowJob : public RunningJob {
public:
    // Path and failed rows on the progress panel.
    WindowJob();
    // Path and failed rows where given (either may be null); doneBytes, when given, counts the
    // job's bytes in place of the window's figure.
    WindowJob(ui::TListView* errorList, ui::TLabel* pathLabel, std::int64_t* doneBytes = nullptr);

    void PumpMessages() override;
    bool CancelRequested() override;
    void WaitWhileCancelAsked() override;
    bool ProgramEnding() override;
    void ShowPath(const std::u16string& path) override;
    void ShowFilePercent(int percent) override;
    // Clamps the done bytes to the total, which a total of 0 shows as 0 %.
    void ShowJobProgress(std::int64_t done, std::int64_t total) override;
    void ShowRemainingTime(std::int64_t done, std::int64_t total) override;
    void FileFailed(const std::u16string& path, const WIN32_FIND_DATAW& found, DWORD error) override;
    bool HideBackupFolder() override;
    bool BackupDriveRemoved() override;
    // The window takes it as the removal it will be told of later.
    void DriveFoundGone() override;
    RECORD_DEVICECODE ExternalDrives() override;
    JobBytes Bytes() override;

    // The job of the window itself: the window hands it to the engine for the work it does outside
    // a run of its own (sizes, restores, the clean-up of a cut-short run).
    static WindowJob& OfWindow();

private:
    ui::TListView* ErrorList() const;
    ui::TLabel* PathLabel() const;

    bool onPanel_;
    ui::TListView* errorList_ = nullptr;
    ui::TLabel* pathLabel_ = nullptr;
    std::int64_t* doneBytes_ = nullptr;
};
