#pragma once
// Page 12: a title bar "Updating" and a box with a ticked "Updating Automatic" and an "Update"
// button. Display only; built once on the page rectangle of the moment and never relaid.

class TMainForm;

// Run by the backup settings page builder as its last block.
void LayoutUpdatePanel(TMainForm& form);
void LayoutUpdateButton(TMainForm& form);
// The same for the language 1025, after the mirrored overview pass moved the page rectangle.
void LayoutUpdatePage(TMainForm& form);
