#pragma once
// TTrayIcon: the notification-area icon as a model (icon list and index, hint, visibility,
// animation, popup menu). The platform side observes it through a hook; clicks arrive through
// UserClick, from the platform or from tests.

#include "ui/control.h"

#include <functional>

namespace ui {

class TImageList;
class TPopupMenu;
class TTimer;

class TTrayIcon : public TComponent {
public:
    explicit TTrayIcon(TComponent* owner);
    ~TTrayIcon() override;

    bool Visible() const { return visible_; }
    void SetVisible(bool on);
    const std::u16string& Hint() const { return hint_; }
    void SetHint(std::u16string hint);
    TImageList* Icons() const { return icons_; }
    void SetIcons(TImageList* icons);
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int index);
    // Cycles IconIndex through Icons every AnimateInterval ms while on.
    bool Animate() const { return animate_; }
    void SetAnimate(bool on);
    unsigned AnimateInterval() const { return animateInterval_; }
    void SetAnimateInterval(unsigned ms);
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }

    // A button released on the icon: left clicks (OnClick), right opens the popup menu.
    void UserClick(TMouseButton button, Point screen = {});
    void UserDblClick();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnAnimate;

    // Called after every visible change of any tray icon (the platform shows it).
    static void SetChangeHook(std::function<void(const TTrayIcon&)> hook);
    // True when the desktop really shows tray icons, so that a window hidden to the notification
    // area can come back through its icon. The platform side answers through SetDesktopQuery;
    // without an answer no icon is shown.
    static bool DesktopShowsIcons();
    static void SetDesktopQuery(std::function<bool()> query);

private:
    void Changed();

    bool visible_ = false;
    std::u16string hint_;
    TImageList* icons_ = nullptr;
    int iconIndex_ = 0;
    bool animate_ = false;
    unsigned animateInterval_ = 1000;
    TPopupMenu* popupMenu_ = nullptr;
    TTimer* animation_ = nullptr;
};

}  // namespace ui
