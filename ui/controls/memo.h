#pragma once
// TMemo: several lines of text, shown from TopLine; the wheel scrolls it.

#include "lists/string_list.h"
#include "ui/control.h"
#include "ui/controls/scroll_bar.h"

namespace ui {

class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* owner);

    lists::TStringList& Lines() { return lines_; }
    const lists::TStringList& Lines() const { return lines_; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { readOnly_ = on; }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle s);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle s);
    TBevelKind BevelKind() const { return bevelKind_; }
    void SetBevelKind(TBevelKind k) { bevelKind_ = k; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    int TopLine() const { return topLine_; }
    void SetTopLine(int line);
    // The vertical bar, shown when ScrollBars asks for it and the lines overflow the memo.
    const ScrollBar& VerticalScrollBar();

    void SetText(std::u16string text) override;
    void Paint(gfx::Painter& painter) override;

protected:
    void WndProc(TMessage& message) override;
    void KeyPress(char16_t& key) override;

private:
    lists::TStringList lines_;
    bool readOnly_ = false;
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
    bool wordWrap_ = true;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    TBevelKind bevelKind_ = TBevelKind::bkNone;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    int topLine_ = 0;
    bool syncing_ = false;
    ScrollBar vbar_{ScrollBar::Orientation::Vertical};
};

using TTntMemo = TMemo;

}  // namespace ui
