#pragma once
// The window of an open combo-box list: rows of the combo's items below its rectangle.

#include "ui/form.h"

namespace ui {

class TComboBox;

class TComboListForm : public TForm {
public:
    explicit TComboListForm(TComboBox& combo);

    // The item row at a point of the window; -1 outside the rows.
    int RowAt(int y) const;
    int TopRow() const { return topRow_; }
    void Paint(gfx::Painter& painter) override;

protected:
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void WndProc(TMessage& message) override;

private:
    TComboBox& combo_;
    int hotRow_ = -1;
    int topRow_ = 0;
};

}  // namespace ui
