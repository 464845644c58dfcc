#pragma once
// The window of an open combo-box list: rows of the combo's items below its rectangle, with a
// scroll bar when there are more items than rows (on the left for a combo laid out right to left).

#include "ui/controls/scroll_bar.h"
#include "ui/form.h"

namespace ui {

class TComboBox;

class TComboListForm : public TForm {
public:
    explicit TComboListForm(TComboBox& combo);

    // The item row at a point of the window; -1 outside the rows.
    int RowAt(int y) const;
    int TopRow() const { return topRow_; }
    const ScrollBar& VerticalScrollBar();
    void Paint(gfx::Painter& painter) override;

protected:
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void WndProc(TMessage& message) override;

private:
    int RowCount() const;
    // The rows' rectangle: the window inside its frame, less the scroll bar when one shows.
    Rect RowsRect();

    TComboBox& combo_;
    bool pressedOnBar_ = false;
    ScrollBar vbar_{ScrollBar::Orientation::Vertical};
    int hotRow_ = -1;
    int topRow_ = 0;
};

}  // namespace ui
