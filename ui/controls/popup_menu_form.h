#pragma once
// The window of an open popup menu: one row per visible item at the point the menu opened, kept
// on the work area. A click on an enabled item closes the menu and then runs the item; a press
// outside the window or Escape closes it without a pick.

#include "ui/form.h"

namespace ui {

class TPopupMenu;
class TMenuItem;

class TPopupMenuForm : public TForm {
public:
    TPopupMenuForm(TPopupMenu& menu, Point screen);

    // The visible item at a point of the window; nullptr between or outside the rows.
    TMenuItem* ItemAt(int y) const;
    int RowHeight() const;
    void Paint(gfx::Painter& painter) override;

protected:
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;

private:
    std::vector<TMenuItem*> Rows() const;

    TPopupMenu& menu_;
    TMenuItem* hot_ = nullptr;
};

}  // namespace ui
