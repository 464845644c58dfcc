#pragma once
// The disabled and enabled looks of the menu and of a job page while its job runs: the other menu
// groups, the page group's other sub-button, the page's three-part buttons, selectors and category
// ticks. The running page's own group and sub-button, the Cancel button and every visibility stay.

class TMainForm;

// kind 1: the Easy page of the group runs; any other value: the Manual page.
void SetBackupPageEnabled(TMainForm& form, int kind, bool enable);
void SetRestorePageEnabled(TMainForm& form, int kind, bool enable);
void SetDeletePageEnabled(TMainForm& form, int kind, bool enable);
void SetFavoritesPageEnabled(TMainForm& form, bool enable);
// After a finished job's panel closes: the Easy Backup page while the countdown window is up,
// otherwise the page whose job disabled it (the page shown when none is recorded); pages without
// jobs are left alone.
void EnableFinishedJobPage(TMainForm& form);
