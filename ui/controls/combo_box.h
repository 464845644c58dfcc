#pragma once
// TComboBox in the drop-down-list style. A left-button press on it (real, or a WM_LBUTTONDOWN
// sent to its handle) opens its list in a window of its own just below the combo's rectangle,
// even when the combo itself lies hidden behind other controls. Picking an item sets ItemIndex
// and fires OnChange, then OnCloseUp; closing without a pick fires OnCloseUp only.

#include "lists/string_list.h"
#include "ui/control.h"

namespace ui {

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboListForm;

class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;

    lists::TStringList& Items() { return items_; }
    const lists::TStringList& Items() const { return items_; }
    // -1: no selection. Out-of-range values give -1. Setting it fires no OnChange.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle s) { style_ = s; }
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int n) { dropDownCount_ = n; }
    // The height of a list row: the one set, or the font's line where the text is taller.
    int ItemHeight() const;
    void SetItemHeight(int h) { itemHeight_ = h; }
    TBevelKind BevelKind() const { return bevelKind_; }
    void SetBevelKind(TBevelKind k) { bevelKind_ = k; }
    bool DroppedDown() const { return list_.get() != nullptr; }
    void SetDroppedDown(bool down);
    // The open list window (tests click its rows); nullptr while closed.
    TComboListForm* ListWindow() const { return list_.get(); }
    // Picks an item as the user does in the open list (OnChange when it changes, then closes).
    void PickItem(int index);

    void Paint(gfx::Painter& painter) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnDropDown;

protected:
    void WndProc(TMessage& message) override;
    void KeyDown(WORD& key, TShiftState shift) override;

private:
    friend class TComboListForm;
    void ItemsChanged();
    void CloseList();

    lists::TStringList items_;
    int itemIndex_ = -1;
    TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
    int dropDownCount_ = 8;
    int itemHeight_ = 16;
    TBevelKind bevelKind_ = TBevelKind::bkNone;
    WeakRef<TComboListForm> list_;
};

using TTntComboBox = TComboBox;

}  // namespace ui
