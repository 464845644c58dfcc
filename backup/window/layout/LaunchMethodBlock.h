#pragma once
// The launch-method block Set_Bac_Startup_Pan of the Start up tab: four option rows (drive
// connected with its countdown seconds, device button with its function selector, hotkey,
// schedule) and the hidden encryption row. Each takes the main window and cannot fail.

class TMainForm;

// Once at creation, after the tabs and before the hotkey and schedule blocks.
void LayoutLaunchMethodsPanel(TMainForm& form);
// The block for the page's current size; the mirrored one is also the creation pass for 1025.
// The left-to-right one re-places the function selector's parts too; the mirrored one leaves it.
void RelayoutLtrLaunchMethods(TMainForm& form);
void LayoutRtlStartupSettings(TMainForm& form);
// Final captions of the block and its selector title for the current language table.
void ApplyLaunchMethodCaptions(TMainForm& form);
