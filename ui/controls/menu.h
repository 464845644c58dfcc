#pragma once
// TPopupMenu and TMenuItem. Popup() records where the menu opened and shows it through the
// installed presenter (a window in the programs, nothing in tests); a test picks an item by Click().

#include "ui/control.h"

#include <functional>

namespace ui {

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

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(index); }
    // The menu owns the item.
    TMenuItem* Add(std::u16string caption, std::string name = {});
    TBiDiMode BiDiMode() const { return bidiMode_; }
    void SetBiDiMode(TBiDiMode m) { bidiMode_ = m; }

    void Popup(int screenX, int screenY);
    int PopupCount() const { return popupCount_; }
    Point LastPopupPoint() const { return lastPopup_; }

    // How an open menu is shown; set by the program's backend glue.
    static void SetPresenter(std::function<void(TPopupMenu&, Point)> presenter);

    TNotifyEvent OnPopup;

private:
    std::vector<TMenuItem*> items_;
    TBiDiMode bidiMode_ = TBiDiMode::bdLeftToRight;
    int popupCount_ = 0;
    Point lastPopup_{};
};

}  // namespace ui
