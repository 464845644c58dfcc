#include "ui/controls/combo_box.h"

#include "ui/application.h"
#include "ui/controls/combo_list_form.h"
#include "ui/gfx/painter.h"
#include "ui/loop/message_loop.h"

#include <utility>

namespace ui {

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner)
{
    bounds_ = Rect::FromSize(0, 0, 145, 21);
    SetColor(clWindow);
    items_.OnChange = [this] { ItemsChanged(); };
}

TComboBox::~TComboBox()
{
    delete list_.get();
}

void TComboBox::ItemsChanged()
{
    if (itemIndex_ >= items_.Count()) {
        itemIndex_ = -1;
        TWinControl::SetText(u"");
    }
    Invalidate();
}

void TComboBox::SetItemIndex(int index)
{
    if (index < 0 || index >= items_.Count()) {
        index = -1;
    }
    itemIndex_ = index;
    TWinControl::SetText(index >= 0 ? items_[index] : std::u16string());
}

int TComboBox::ItemHeight() const
{
    return std::max(itemHeight_, Font().TextHeight(u"0"));
}

void TComboBox::SetDroppedDown(bool down)
{
    if (down == DroppedDown()) {
        return;
    }
    if (!down) {
        CloseList();
        return;
    }
    if (OnDropDown) {
        HandlerScope scope;
        OnDropDown(this);
    }
    auto* list = new TComboListForm(*this);
    list_ = WeakRef<TComboListForm>(list);
    int rows = std::clamp(items_.Count(), 1, std::max(1, dropDownCount_));
    Point below = ClientToScreen(Point{0, Height()});
    list->SetBounds(below.x, below.y, Width(), rows * ItemHeight() + 2);
    if (list->VerticalScrollBar().Needed()) {
        // The window widens by the bar, on the bar's side, so the rows keep the combo's width.
        const int bar = ScrollBar::kThickness;
        const bool leftBar = (ExStyle() & WS_EX_LEFTSCROLLBAR) != 0;
        list->SetBounds(below.x - (leftBar ? bar : 0), below.y, Width() + bar, list->Height());
    }
    list->ShowForm();
    loop::SetActivePopup(list, [this] { CloseList(); });
}

void TComboBox::CloseList()
{
    TComboListForm* list = list_.get();
    list_ = WeakRef<TComboListForm>();
    if (list == nullptr) {
        return;
    }
    loop::DismissPopup(list);
    loop::PointerUncovered(ParentForm());
    if (OnCloseUp) {
        HandlerScope scope;
        OnCloseUp(this);
    }
}

void TComboBox::PickItem(int index)
{
    // A pick from the list is a change even of the item already chosen, as a drop-down list reports it.
    if (index >= 0 && index < items_.Count()) {
        SetItemIndex(index);
        if (OnChange) {
            HandlerScope scope;
            OnChange(this);
        }
    }
    CloseList();
}

void TComboBox::WndProc(TMessage& m)
{
    if (m.Msg == WM_LBUTTONDOWN && Enabled()) {
        // A press on the face opens the list, or closes an open one, as a drop-down list does.
        SetDroppedDown(!DroppedDown());
    }
    TWinControl::WndProc(m);
}

void TComboBox::KeyDown(WORD& key, TShiftState shift)
{
    TWinControl::KeyDown(key, shift);
    int next = itemIndex_;
    switch (key) {
    case VK_UP:
        next = std::max(0, itemIndex_ - 1);
        break;
    case VK_DOWN:
        next = std::min(items_.Count() - 1, itemIndex_ + 1);
        break;
    case VK_RETURN:
    case VK_ESCAPE:
        CloseList();
        return;
    default:
        return;
    }
    if (next != itemIndex_ && next >= 0) {
        SetItemIndex(next);
        if (OnChange) {
            HandlerScope scope;
            OnChange(this);
        }
    }
}

void TComboBox::Paint(gfx::Painter& painter)
{
    Rect r = ClientRect();
    painter.FillRect(r, Color());
    painter.FrameRect(r, clGray);
    bool arrowLeft = (ExStyle() & WS_EX_LEFTSCROLLBAR) != 0;
    int arrowWidth = std::min(17, r.Width());
    Rect arrow = arrowLeft ? Rect{0, 0, arrowWidth, r.bottom} : Rect{r.right - arrowWidth, 0, r.right, r.bottom};
    painter.FillRect(arrow.Inflate(-1, -1), clBtnFace);
    int cx = (arrow.left + arrow.right) / 2;
    int cy = r.bottom / 2;
    for (int i = 0; i < 4; ++i) {
        painter.Line(Point{cx - 3 + i, cy - 2 + i}, Point{cx + 4 - i, cy - 2 + i}, clBlack);
    }
    Rect textRect = arrowLeft ? Rect{arrow.right + 2, 0, r.right - 2, r.bottom} : Rect{2, 0, arrow.left - 2, r.bottom};
    painter.DrawText(textRect, Text(), PaintFont(), SingleLineTextFlags());
}

TComboListForm::TComboListForm(TComboBox& combo) : TForm(&App()), combo_(combo)
{
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetColor(clWindow);
    Font().Assign(combo.Font());
    const int rows = RowCount();
    topRow_ = std::clamp(combo.ItemIndex() - rows + 1, 0, std::max(0, combo.Items().Count() - rows));
    hotRow_ = combo.ItemIndex();
}

int TComboListForm::RowCount() const
{
    return std::max(1, combo_.DropDownCount());
}

const ScrollBar& TComboListForm::VerticalScrollBar()
{
    vbar_.SetRange(combo_.Items().Count(), RowCount(), topRow_);
    const Rect inside = ClientRect().Inflate(-1, -1);
    const bool left = (combo_.ExStyle() & WS_EX_LEFTSCROLLBAR) != 0;
    vbar_.SetBounds(left ? Rect{inside.left, inside.top, inside.left + ScrollBar::kThickness, inside.bottom}
                         : Rect{inside.right - ScrollBar::kThickness, inside.top, inside.right, inside.bottom});
    return vbar_;
}

Rect TComboListForm::RowsRect()
{
    Rect rows = ClientRect().Inflate(-1, -1);
    if (VerticalScrollBar().Needed()) {
        const Rect& bar = vbar_.Bounds();
        if (bar.left == rows.left) {
            rows.left = bar.right;
        } else {
            rows.right = bar.left;
        }
    }
    return rows;
}

int TComboListForm::RowAt(int y) const
{
    if (y < 1) {
        return -1;
    }
    int row = topRow_ + (y - 1) / std::max(1, combo_.ItemHeight());
    return row < combo_.Items().Count() ? row : -1;
}

void TComboListForm::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TForm::MouseUp(button, shift, x, y);
    if (button == TMouseButton::mbLeft && RowsRect().Contains(Point{x, y})) {
        int row = RowAt(y);
        if (row >= 0) {
            combo_.PickItem(row);
        }
    }
}

void TComboListForm::MouseMove(TShiftState shift, int x, int y)
{
    TForm::MouseMove(shift, x, y);
    int row = RowsRect().Contains(Point{x, y}) ? RowAt(y) : -1;
    if (row != hotRow_ && row >= 0) {
        hotRow_ = row;
        Invalidate();
    }
}

// The open list holds the keyboard on the desktop; its keys belong to the combo, as a dropped-down
// combo keeps the focus.
void TComboListForm::KeyDown(WORD& key, TShiftState shift)
{
    TForm::KeyDown(key, shift);
    WeakRef<TComboListForm> self(this);
    combo_.KeyDown(key, shift);
    if (self && hotRow_ != combo_.ItemIndex()) {
        hotRow_ = combo_.ItemIndex();
        Invalidate();
    }
}

void TComboListForm::WndProc(TMessage& m)
{
    VerticalScrollBar();
    const bool press = m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK;
    if (vbar_.HandleMouse(m, [this](int row) {
            topRow_ = row;
            Invalidate();
        })) {
        pressedOnBar_ = press || (pressedOnBar_ && m.Msg != WM_LBUTTONUP);
        return;
    }
    // A press on the bar released over a row scrolled the list; it picks nothing.
    if (press) {
        pressedOnBar_ = false;
    } else if (m.Msg == WM_LBUTTONUP && std::exchange(pressedOnBar_, false)) {
        return;
    }
    if (m.Msg == WM_MOUSEWHEEL) {
        int delta = static_cast<std::int16_t>(m.WParam >> 16);
        topRow_ = std::clamp(topRow_ - delta / 120, 0, std::max(0, combo_.Items().Count() - RowCount()));
        Invalidate();
    }
    TForm::WndProc(m);
}

void TComboListForm::Paint(gfx::Painter& painter)
{
    Rect r = ClientRect();
    painter.FillRect(r, Color());
    painter.FrameRect(r, clBlack);
    const Rect rows = RowsRect();
    int h = std::max(1, combo_.ItemHeight());
    for (int row = topRow_, y = rows.top; row < combo_.Items().Count() && y < rows.bottom; ++row, y += h) {
        Rect line{rows.left, y, rows.right, y + h};
        gfx::FontSpec fontSpec = Font().Spec();
        if (row == hotRow_) {
            painter.FillRect(line, clHighlight);
            fontSpec.color = clHighlightText;
        }
        painter.DrawText(line.Inflate(-2, 0), combo_.Items()[row], fontSpec, combo_.SingleLineTextFlags());
    }
    if (vbar_.Needed()) {
        vbar_.Paint(painter);
    }
}

}  // namespace ui
