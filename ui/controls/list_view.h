#pragma once
// TListView in the report style: columns, rows with sub-items and small images, an optional header
// whose items the program may draw itself, and a replaceable WindowProc through which paint
// (WM_PAINT), frame (WM_NCCALCSIZE) and header item drawing (WM_DRAWITEM) pass.

#include "lists/string_list.h"
#include "ui/control.h"
#include "ui/controls/scroll_bar.h"

#include <memory>
#include <vector>

namespace ui::gfx {
class Painter;
}

namespace ui {

class TImageList;
class TListView;

class TListColumn {
public:
    const std::u16string& Caption() const { return caption_; }
    void SetCaption(std::u16string caption);
    int Width() const { return width_; }
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    int Index() const { return index_; }

private:
    friend class TListColumns;
    explicit TListColumn(TListView* view, int index) : view_(view), index_(index) { }
    TListView* view_;
    int index_;
    std::u16string caption_;
    int width_ = 50;
    TAlignment alignment_ = TAlignment::taLeftJustify;
};

class TListColumns {
public:
    explicit TListColumns(TListView* view) : view_(view) { }
    TListColumn* Add();
    int Count() const { return static_cast<int>(columns_.size()); }
    TListColumn* Items(int index) const { return columns_.at(index).get(); }
    void Clear();

private:
    TListView* view_;
    std::vector<std::unique_ptr<TListColumn>> columns_;
};

class TListItem {
public:
    const std::u16string& Caption() const { return caption_; }
    void SetCaption(std::u16string caption);
    lists::TStringList& SubItems() { return subItems_; }
    const lists::TStringList& SubItems() const { return subItems_; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int i);
    // The small image shown in sub-item column i (0 = the first sub-item); -1 none.
    int SubItemImages(int i) const;
    void SetSubItemImages(int i, int image);
    void* Data() const { return data_; }
    void SetData(void* data) { data_ = data; }
    bool Selected() const;
    void SetSelected(bool on);
    int Index() const;
    // Row rectangle in client coordinates.
    Rect DisplayRect() const;

private:
    friend class TListItems;
    explicit TListItem(TListView* view);
    TListView* view_;
    std::u16string caption_;
    lists::TStringList subItems_;
    int imageIndex_ = -1;
    std::vector<int> subItemImages_;
    void* data_ = nullptr;
};

class TListItems {
public:
    explicit TListItems(TListView* view) : view_(view) { }
    TListItem* Add();
    void Delete(int index);
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    TListItem* Item(int index) const;
    TListItem* operator[](int index) const { return Item(index); }
    int IndexOf(const TListItem* item) const;
    void BeginUpdate() { }
    void EndUpdate() { }

private:
    TListView* view_;
    std::vector<std::unique_ptr<TListItem>> items_;
};

// The record of WM_DRAWITEM for a header item (LParam points to it).
inline constexpr UINT ODT_HEADER = 100;
struct DRAWITEMSTRUCT {
    UINT CtlType = ODT_HEADER;
    UINT itemID = 0;  // the column
    Rect rcItem{};  // in the painter's coordinates
    gfx::Painter* painter = nullptr;
};

inline constexpr int SB_HORZ = 0;
inline constexpr int SB_VERT = 1;

class TListView : public TWinControl {
public:
    explicit TListView(TComponent* owner);
    ~TListView() override;

    TListColumns& Columns() { return columns_; }
    TListItems& Items() { return items_; }
    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle s) { viewStyle_ = s; }
    bool ShowColumnHeaders() const { return showHeaders_; }
    void SetShowColumnHeaders(bool on);
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool on) { rowSelect_ = on; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { readOnly_ = on; }
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool on) { multiSelect_ = on; }
    bool ColumnClick() const { return columnClick_; }
    void SetColumnClick(bool on) { columnClick_ = on; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle s);
    TImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(TImageList* list);

    TListItem* Selected() const;
    void SetSelected(TListItem* item);
    int ItemIndex() const { return selectedIndex_; }
    void SetItemIndex(int index);
    // Row height in pixels (font and small images).
    int ItemHeight() const;
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int index);
    TListItem* TopItem() const;
    // Horizontal scroll offset in pixels.
    int ScrollX() const { return scrollX_; }
    void SetScrollX(int x);
    int HeaderHeight() const;
    // The row at a client point (rows start below the header); nullptr outside any row.
    TListItem* GetItemAt(int x, int y) const;

    // Owner-drawn header items: the header asks WindowProc with WM_DRAWITEM to draw them.
    void SetHeaderItemOwnerDraw(int column, bool ownerDraw);
    bool HeaderItemOwnerDraw(int column) const;
    // ShowScrollBar(SB_HORZ, false) from a hook: the horizontal bar is not shown.
    void SetScrollBarShown(int bar, bool shown);
    bool ScrollBarShown(int bar) const;
    // The bars laid out for the current rows and columns; each is shown while its content
    // overflows (and, for the horizontal one, unless hidden).
    const ScrollBar& VerticalScrollBar();
    const ScrollBar& HorizontalScrollBar();

    void Paint(gfx::Painter& painter) override;

    TNotifyEvent OnSelectItem;

protected:
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    friend class TListItem;
    friend class TListItems;
    friend class TListColumn;
    friend class TListColumns;
    void PaintHeader(gfx::Painter& painter);
    void PaintRows(gfx::Painter& painter);
    void Changed() { Invalidate(); }
    void LayOutScrollBars();

    TListColumns columns_{this};
    TListItems items_{this};
    TViewStyle viewStyle_ = TViewStyle::vsIcon;
    bool showHeaders_ = true;
    bool rowSelect_ = false;
    bool readOnly_ = false;
    bool multiSelect_ = false;
    bool columnClick_ = true;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    TImageList* smallImages_ = nullptr;
    int selectedIndex_ = -1;
    int topIndex_ = 0;
    int scrollX_ = 0;
    std::vector<bool> headerOwnerDraw_;
    bool horzBarHidden_ = false;
    bool vertBarHidden_ = false;
    gfx::Painter* paintingWith_ = nullptr;
    ScrollBar vbar_{ScrollBar::Orientation::Vertical};
    ScrollBar hbar_{ScrollBar::Orientation::Horizontal};
};

using TTntListView = TListView;

}  // namespace ui
