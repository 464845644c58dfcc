#pragma once
// The restore starters: check the Restore page's choice and refuse with a message, measure the
// restore, test the free space of a chosen folder, and run it with the progress panel up.

class TMainForm;

// The ticked categories of the run chosen on page 5.
void StartEasyRestore(TMainForm& form);
// The items ticked in the Manual Restore tree.
void StartManualRestore(TMainForm& form);
