#pragma once
// TPopupMenu and TMenuItem. Popup() opens the menu's window of items at a screen point; a test
// picks an item by clicking its row, or by the item's Click().

#include "ui/control.h"

#include <vector>

namespace ui {

class TPopupMenuForm;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);

    const std::u16string& Caption() const { return caption_; }
    void SetCaption(std::u16string caption) { caption_ = std::move(caption); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on) { enabled_ = on; }
    bool Visible() const { return visible_; }
    void SetVisible(bool on) { visible_ = on; }
    TBiDiMode BiDiMode() const { return bidiMode_; }
    void SetBiDiMode(TBiDiMode m) { bidiMode_ = m; }
    // Fires OnClick when enabled.
    void Click();

    TNotifyEvent OnClick;

private:
    std::u16string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    TBiDiMode bidiMode_ = TBiDiMode::bdLeftToRight;
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(index); }
    // The menu owns the item.
    TMenuItem* Add(std::u16string caption, std::string name = {});
    TBiDiMode BiDiMode() const { return bidiMode_; }
    void SetBiDiMode(TBiDiMode m) { bidiMode_ = m; }

    // Fires OnPopup, then opens the window (closing one still open).
    void Popup(int screenX, int screenY);
    int PopupCount() const { return popupCount_; }
    Point LastPopupPoint() const { return lastPopup_; }
    // The open window; nullptr while closed.
    TPopupMenuForm* Window() const { return window_.get(); }
    void CloseUp();

    TNotifyEvent OnPopup;

private:
    WeakRef<TPopupMenuForm> window_;
    std::vector<TMenuItem*> items_;
    TBiDiMode bidiMode_ = TBiDiMode::bdLeftToRight;
    int popupCount_ = 0;
    Point lastPopup_{};
};

}  // namespace ui
