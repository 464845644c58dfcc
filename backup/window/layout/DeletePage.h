#pragma once
// The delete panel as page 7 (Easy delete, DE_Tree) or page 8 (Manual delete, DM_Tree): the source
// band with its hourglasses and one framed tree area in which the two trees lie on top of each other.

class TMainForm;

void LayoutDeletePage(TMainForm& form);
void LayoutManualDeleteTree(TMainForm& form);
void RelayoutLtrDeletePage(TMainForm& form);
// The mirrored creation pass and relayout for the right-to-left language.
void LayoutRtlDeletePage(TMainForm& form);
void LayoutRtlManualDeleteTree(TMainForm& form);
void RelayoutRtlDeletePage(TMainForm& form);
void ShowEasyDeleteControls(TMainForm& form, bool visible);
void ShowManualDeleteControls(TMainForm& form, bool visible);
// The language pass: the source title and the captions of the trees' top nodes.
void ApplyDeleteCaptions(TMainForm& form);
// The page switch of pages 7 and 8: the panel's two switches and the relayout of the current direction.
void SwitchDeletePage(TMainForm& form, int page);
