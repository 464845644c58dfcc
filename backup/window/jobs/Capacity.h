#pragma once
// The capacity display of the Easy Backup page: used and total size of the local fixed disks, the
// six segments of the capacity bar, and the size and bar of each category. The figures live in the
// main window (LocalDisk*Bytes, CategoryBytes) and change only on a Renew.

class TMainForm;

// Measures the local fixed disks and the category sizes and shows them; nothing while a job runs.
// The work area's left button can cancel the walk; what was counted until then is shown.
void RenewEasyBackupCapacity(TMainForm& form);
// The capacity line (text 20097, "used / total") and the widths of the six capacity segments.
void ShowLocalDiskCapacity(TMainForm& form);
// The six size texts and the widths of the six category bars (shares of the used space).
void ShowCategorySizes(TMainForm& form);
