#include "ui/controls/list_view.h"

#include "ui/controls/image_list.h"
#include "ui/gfx/painter.h"

namespace ui {

void TListColumn::SetCaption(std::u16string caption)
{
    if (caption != caption_) {
        caption_ = std::move(caption);
        view_->Changed();
    }
}

void TListColumn::SetWidth(int width)
{
    if (width != width_) {
        width_ = width;
        view_->Changed();
    }
}

void TListColumn::SetAlignment(TAlignment a)
{
    if (a != alignment_) {
        alignment_ = a;
        view_->Changed();
    }
}

TListColumn* TListColumns::Add()
{
    columns_.push_back(std::unique_ptr<TListColumn>(new TListColumn(view_, Count())));
    view_->Changed();
    return columns_.back().get();
}

void TListColumns::Clear()
{
    columns_.clear();
    view_->Changed();
}

TListItem::TListItem(TListView* view) : view_(view)
{
    subItems_.OnChange = [this] { view_->Changed(); };
}

void TListItem::SetCaption(std::u16string caption)
{
    if (caption != caption_) {
        caption_ = std::move(caption);
        view_->Changed();
    }
}

void TListItem::SetImageIndex(int i)
{
    if (i != imageIndex_) {
        imageIndex_ = i;
        view_->Changed();
    }
}

int TListItem::SubItemImages(int i) const
{
    return i >= 0 && i < static_cast<int>(subItemImages_.size()) ? subItemImages_[i] : -1;
}

void TListItem::SetSubItemImages(int i, int image)
{
    if (i < 0) {
        return;
    }
    if (i >= static_cast<int>(subItemImages_.size())) {
        subItemImages_.resize(i + 1, -1);
    }
    subItemImages_[i] = image;
    view_->Changed();
}

int TListItem::Index() const
{
    return view_->items_.IndexOf(this);
}

bool TListItem::Selected() const
{
    return Index() == view_->selectedIndex_ && view_->selectedIndex_ >= 0;
}

void TListItem::SetSelected(bool on)
{
    if (on) {
        view_->SetItemIndex(Index());
    } else if (Selected()) {
        view_->SetItemIndex(-1);
    }
}

Rect TListItem::DisplayRect() const
{
    int y = view_->HeaderHeight() + (Index() - view_->topIndex_) * view_->ItemHeight();
    return Rect{0, y, view_->Width(), y + view_->ItemHeight()};
}

TListItem* TListItems::Add()
{
    items_.push_back(std::unique_ptr<TListItem>(new TListItem(view_)));
    view_->Changed();
    return items_.back().get();
}

void TListItems::Delete(int index)
{
    if (index < 0 || index >= Count()) {
        return;
    }
    items_.erase(items_.begin() + index);
    if (view_->selectedIndex_ == index) {
        view_->selectedIndex_ = -1;
    } else if (view_->selectedIndex_ > index) {
        --view_->selectedIndex_;
    }
    view_->topIndex_ = std::clamp(view_->topIndex_, 0, std::max(0, Count() - 1));
    view_->Changed();
}

void TListItems::Clear()
{
    items_.clear();
    view_->selectedIndex_ = -1;
    view_->topIndex_ = 0;
    view_->Changed();
}

TListItem* TListItems::Item(int index) const
{
    return index >= 0 && index < Count() ? items_[index].get() : nullptr;
}

int TListItems::IndexOf(const TListItem* item) const
{
    for (int i = 0; i < Count(); ++i) {
        if (items_[i].get() == item) {
            return i;
        }
    }
    return -1;
}

TListView::TListView(TComponent* owner) : TWinControl(owner)
{
    bounds_ = Rect::FromSize(0, 0, 250, 150);
    SetColor(clWindow);
}

TListView::~TListView() = default;

void TListView::SetShowColumnHeaders(bool on)
{
    if (on != showHeaders_) {
        showHeaders_ = on;
        Invalidate();
    }
}

void TListView::SetBorderStyle(TBorderStyle s)
{
    if (s != borderStyle_) {
        borderStyle_ = s;
        Invalidate();
    }
}

void TListView::SetSmallImages(TImageList* list)
{
    smallImages_ = list;
    Invalidate();
}

TListItem* TListView::Selected() const
{
    return items_.Item(selectedIndex_);
}

void TListView::SetSelected(TListItem* item)
{
    SetItemIndex(item != nullptr ? item->Index() : -1);
}

void TListView::SetItemIndex(int index)
{
    if (index < -1 || index >= items_.Count()) {
        index = -1;
    }
    if (index == selectedIndex_) {
        return;
    }
    selectedIndex_ = index;
    Invalidate();
    if (OnSelectItem) {
        HandlerScope scope;
        OnSelectItem(this);
    }
}

int TListView::ItemHeight() const
{
    int h = std::max(14, Font().TextHeight(u"Ag") + 3);
    if (smallImages_ != nullptr) {
        h = std::max(h, smallImages_->Height() + 1);
    }
    return h;
}

void TListView::SetTopIndex(int index)
{
    index = std::clamp(index, 0, std::max(0, items_.Count() - 1));
    if (index != topIndex_) {
        topIndex_ = index;
        Invalidate();
    }
}

TListItem* TListView::TopItem() const
{
    return items_.Item(topIndex_);
}

void TListView::SetScrollX(int x)
{
    x = std::max(0, x);
    if (x != scrollX_) {
        scrollX_ = x;
        Invalidate();
    }
}

int TListView::HeaderHeight() const
{
    return showHeaders_ && viewStyle_ == TViewStyle::vsReport ? Font().TextHeight(u"Ag") + 6 : 0;
}

TListItem* TListView::GetItemAt(int x, int y) const
{
    if (x < 0 || x >= Width() || y < HeaderHeight()) {
        return nullptr;
    }
    return items_.Item(topIndex_ + (y - HeaderHeight()) / ItemHeight());
}

void TListView::SetHeaderItemOwnerDraw(int column, bool ownerDraw)
{
    if (column < 0) {
        return;
    }
    if (column >= static_cast<int>(headerOwnerDraw_.size())) {
        headerOwnerDraw_.resize(column + 1, false);
    }
    if (headerOwnerDraw_[column] != ownerDraw) {
        headerOwnerDraw_[column] = ownerDraw;
        Invalidate();
    }
}

bool TListView::HeaderItemOwnerDraw(int column) const
{
    return column >= 0 && column < static_cast<int>(headerOwnerDraw_.size()) && headerOwnerDraw_[column];
}

void TListView::SetScrollBarShown(int bar, bool shown)
{
    (bar == SB_HORZ ? horzBarHidden_ : vertBarHidden_) = !shown;
    Invalidate();
}

bool TListView::ScrollBarShown(int bar) const
{
    return !(bar == SB_HORZ ? horzBarHidden_ : vertBarHidden_);
}

void TListView::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (TListItem* item = GetItemAt(x, y)) {
        SetSelected(item);
    }
    TWinControl::MouseDown(button, shift, x, y);
}

void TListView::Paint(gfx::Painter& painter)
{
    paintingWith_ = &painter;
    Perform(WM_NCCALCSIZE);
    Perform(WM_PAINT);
    paintingWith_ = nullptr;
}

void TListView::LayOutScrollBars()
{
    int columnsWidth = 0;
    for (int i = 0; i < columns_.Count(); ++i) {
        columnsWidth += columns_.Items(i)->Width();
    }
    int rowsHeight = Height() - HeaderHeight();
    bool horizontal = !horzBarHidden_ && columnsWidth > Width();
    int rowsRoom = rowsHeight - (horizontal ? ScrollBar::kThickness : 0);
    bool vertical = !vertBarHidden_ && items_.Count() * ItemHeight() > rowsRoom;
    horizontal = !horzBarHidden_ && columnsWidth > Width() - (vertical ? ScrollBar::kThickness : 0);
    int right = Width() - (vertical ? ScrollBar::kThickness : 0);
    int bottom = Height() - (horizontal ? ScrollBar::kThickness : 0);
    vbar_.SetRange(vertical ? items_.Count() : 0, (bottom - HeaderHeight()) / ItemHeight(), topIndex_);
    vbar_.SetBounds(Rect{right, 0, Width(), bottom});
    hbar_.SetRange(horizontal ? columnsWidth : 0, right, scrollX_);
    hbar_.SetBounds(Rect{0, bottom, right, Height()});
}

const ScrollBar& TListView::VerticalScrollBar()
{
    LayOutScrollBars();
    return vbar_;
}

const ScrollBar& TListView::HorizontalScrollBar()
{
    LayOutScrollBars();
    return hbar_;
}

void TListView::WndProc(TMessage& m)
{
    LayOutScrollBars();
    if (vbar_.HandleMouse(m,
                          [this](int row) {
                              SetTopIndex(row);
                              Invalidate();
                          }) ||
        hbar_.HandleMouse(m, [this](int x) {
            SetScrollX(x);
            Invalidate();
        })) {
        return;
    }
    switch (m.Msg) {
    case WM_PAINT:
        if (paintingWith_ != nullptr) {
            paintingWith_->FillRect(ClientRect(), Color());
            PaintRows(*paintingWith_);
            PaintHeader(*paintingWith_);
            for (const ScrollBar* bar : {&vbar_, &hbar_}) {
                if (bar->Needed()) {
                    bar->Paint(*paintingWith_);
                }
            }
        }
        break;
    case WM_DRAWITEM:
        if (auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam); item != nullptr && item->painter != nullptr) {
            const TListColumn* column = columns_.Items(static_cast<int>(item->itemID));
            item->painter->FillRect(item->rcItem, clBtnFace);
            item->painter->DrawText(item->rcItem.Inflate(-4, 0), column->Caption(), Font().Spec(),
                                    gfx::TextFlags::SingleLine | gfx::TextFlags::VCenter | gfx::TextFlags::EndEllipsis);
            m.Result = 1;
        }
        break;
    case WM_MOUSEWHEEL:
        SetTopIndex(topIndex_ - static_cast<std::int16_t>(m.WParam >> 16) / 120 * 3);
        break;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

void TListView::PaintHeader(gfx::Painter& painter)
{
    int h = HeaderHeight();
    if (h == 0) {
        return;
    }
    int x = -scrollX_;
    for (int i = 0; i < columns_.Count(); ++i) {
        const TListColumn* column = columns_.Items(i);
        DRAWITEMSTRUCT item;
        item.itemID = static_cast<UINT>(i);
        item.rcItem = Rect{x, 0, x + column->Width(), h};
        item.painter = &painter;
        painter.PushClip(item.rcItem);
        if (HeaderItemOwnerDraw(i)) {
            Perform(WM_DRAWITEM, 0, reinterpret_cast<std::intptr_t>(&item));
        } else {
            TMessage m{WM_DRAWITEM, 0, reinterpret_cast<std::intptr_t>(&item), 0};
            TListView::WndProc(m);
        }
        painter.PopClip();
        painter.Line(Point{x + column->Width() - 1, 0}, Point{x + column->Width() - 1, h}, clGray);
        x += column->Width();
    }
    painter.Line(Point{0, h - 1}, Point{Width(), h - 1}, clGray);
}

void TListView::PaintRows(gfx::Painter& painter)
{
    int h = ItemHeight();
    int top = HeaderHeight();
    gfx::FontSpec fontSpec = Font().Spec();
    using gfx::TextFlags;
    for (int i = topIndex_, y = top; i < items_.Count() && y < Height(); ++i, y += h) {
        const TListItem* item = items_.Item(i);
        bool selected = i == selectedIndex_;
        int x = -scrollX_;
        for (int c = 0; c < std::max(1, columns_.Count()); ++c) {
            int width = c < columns_.Count() ? columns_.Items(c)->Width() : Width();
            Rect cell{x, y, x + width, y + h};
            const std::u16string& text = c == 0 ? item->Caption() : item->SubItems()[c - 1];
            int image = c == 0 ? item->ImageIndex() : item->SubItemImages(c - 1);
            gfx::FontSpec cellFont = fontSpec;
            if (selected && (rowSelect_ || c == 0)) {
                painter.FillRect(cell, clHighlight);
                cellFont.color = clHighlightText;
            }
            int textLeft = cell.left + 2;
            if (smallImages_ != nullptr && image >= 0) {
                smallImages_->Draw(painter, cell.left + 2, y + (h - smallImages_->Height()) / 2, image);
                textLeft += smallImages_->Width() + 2;
            }
            painter.PushClip(cell);
            painter.DrawText(Rect{textLeft, y, cell.right - 2, y + h}, text, cellFont,
                             TextFlags::SingleLine | TextFlags::VCenter | TextFlags::EndEllipsis);
            painter.PopClip();
            x += width;
        }
    }
}

}  // namespace ui
