#pragma once
// TEdit: one line of text. Keys go through OnKeyDown / OnKeyPress first; a handler that sets the
// key to 0 swallows it. WS_EX_RIGHT aligns the text right, WS_EX_RTLREADING reads it right to left.

#include "ui/control.h"

namespace ui {

enum class TImeMode { imDisable, imClose, imOpen, imDontCare };

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { readOnly_ = on; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle s);
    TBevelKind BevelKind() const { return bevelKind_; }
    void SetBevelKind(TBevelKind k);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n) { maxLength_ = n; }
    // Caret position (0 .. length).
    int SelStart() const { return caret_; }
    void SetSelStart(int pos);
    // Accepted for the program's sake; input methods are the system's.
    TImeMode ImeMode() const { return imeMode_; }
    void SetImeMode(TImeMode m) { imeMode_ = m; }
    const std::u16string& ImeName() const { return imeName_; }
    void SetImeName(std::u16string n) { imeName_ = std::move(n); }

    void SetText(std::u16string text) override;
    void Paint(gfx::Painter& painter) override;

    TNotifyEvent OnChange;

protected:
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyPress(char16_t& key) override;

private:
    void Edit(std::u16string text, int caret);

    bool readOnly_ = false;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    TBevelKind bevelKind_ = TBevelKind::bkNone;
    int maxLength_ = 0;
    int caret_ = 0;
    TImeMode imeMode_ = TImeMode::imDontCare;
    std::u16string imeName_;
};

using TTntEdit = TEdit;

}  // namespace ui
