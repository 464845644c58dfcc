#pragma once
// The delete starters: they confirm and arm the page's countdown; the delete itself runs when the
// countdown reaches its limit (the delete pages' timers call the runs).

class TMainForm;

void StartEasyDelete(TMainForm& form);
void StartManualDelete(TMainForm& form);
// Deletes the ticked items of DE_Tree category by category, then prunes the Easy run history.
void RunEasyDelete(TMainForm& form);
// Deletes the ticked items of DM_Tree.
void RunManualDelete(TMainForm& form);
