#pragma once
// The font charsets, reading orders, text alignments and edit, combo box and tree styles that a
// language gives the main window. Only the listed controls change; the overview memo, the button
// function selector, the hotkey edit and the list views keep the reading order of their creation.

class TMainForm;

// FontCharset from LangId, then that charset on every control that follows the language; the
// overview memo and the language selector always take charset 129.
void ApplyLanguageCharsets(TMainForm& form);
// The right-to-left switch and LabelBiDiMode from LangId, then, page by page, the captions' reading
// order, the value captions' alignment and the edit, combo box and tree styles.
void ApplyReadingOrder(TMainForm& form);
// The Restore page's row of the reading order: also after the restore destination changes, so that
// Res_Dest_Edit reads right to left only while it names the original location.
void ApplyRestorePageBiDi(TMainForm& form);
