#pragma once
// The one-line selector under the push-button option of the launch-method block: the title
// "Function : " and a drop-down of the function the drive's button starts. It is never mirrored.

class TMainForm;

// Once at creation, right after Auto_ClickBtn_Lab is placed.
void LayoutButtonFunctionSelector(TMainForm& form);
// Left-to-right only: the frame, edit, opener and list follow the title's current width. The
// selector panel itself keeps its creation place and width.
void RelayoutButtonFunctionSelector(TMainForm& form);
