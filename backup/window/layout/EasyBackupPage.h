#pragma once
// The Easy Backup page on the backup panel Bac_Pan: header bar with the Renew button, the capacity
// row, six category rows, the destination selector and the arrow. Each takes the main window and
// cannot fail.

class TMainForm;

// Once at creation, in every language; ends with LayoutEasyRenewButton.
void LayoutEasyBackupPage(TMainForm& form);
void LayoutEasyRenewButton(TMainForm& form);
// Once, for the language 1025, after the left-to-right builder; ends with LayoutRtlEasyRenewButton.
void LayoutRtlEasyBackupPage(TMainForm& form);
void LayoutRtlEasyRenewButton(TMainForm& form);
// Header, capacity row and category rows for the panel's current width, with the capacity texts
// and bar widths; only Lefts and Widths move. Cheap enough to run after every counted file.
void RelayoutLtrEasyBackupRows(TMainForm& form);
void RelayoutRtlEasyBackupRows(TMainForm& form);
// The rows relayout of the current direction.
void RelayoutEasyBackupRows(TMainForm& form);
// The language pass of the page: category names, destination title, Renew caption, capacity line.
void ApplyEasyBackupCaptions(TMainForm& form);
