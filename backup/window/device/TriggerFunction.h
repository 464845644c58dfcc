#pragma once
// Starting the backup bound to a trigger (the drive's push button, a hotkey).

#include <string>

class TMainForm;

// The entry's last character chooses the function: 0 Easy Backup, 1 Manual Backup, to the
// destination, on the Backup page; an empty entry or any other function starts nothing. During the
// language pass the first trigger waits for its end.
void RunTriggerFunction(TMainForm& form, const std::u16string& destination, const std::u16string& entry);
// Runs the trigger kept back during the language pass.
void RunDeferredTrigger(TMainForm& form);
