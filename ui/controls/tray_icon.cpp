#include "ui/controls/tray_icon.h"

#include "ui/controls/image_list.h"
#include "ui/controls/menu.h"
#include "ui/controls/timer.h"

namespace ui {
namespace {

std::function<void(const TTrayIcon&)>& Hook()
{
    static std::function<void(const TTrayIcon&)> hook;
    return hook;
}

std::function<bool()>& DesktopQuery()
{
    static std::function<bool()> query;
    return query;
}

}  // namespace

bool TTrayIcon::DesktopShowsIcons()
{
    return DesktopQuery() && DesktopQuery()();
}

void TTrayIcon::SetDesktopQuery(std::function<bool()> query)
{
    DesktopQuery() = std::move(query);
}

TTrayIcon::TTrayIcon(TComponent* owner) : TComponent(owner), animation_(new TTimer(nullptr))
{
    animation_->SetEnabled(false);
    animation_->SetInterval(animateInterval_);
    animation_->OnTimer = [this](TObject*) {
        int count = icons_ != nullptr ? icons_->Count() : 0;
        if (count > 0) {
            SetIconIndex((iconIndex_ + 1) % count);
        }
        if (OnAnimate) {
            OnAnimate(this);
        }
    };
}

TTrayIcon::~TTrayIcon()
{
    delete animation_;
}

void TTrayIcon::SetVisible(bool on)
{
    if (on != visible_) {
        visible_ = on;
        Changed();
    }
}

void TTrayIcon::SetHint(std::u16string hint)
{
    if (hint != hint_) {
        hint_ = std::move(hint);
        Changed();
    }
}

void TTrayIcon::SetIcons(TImageList* icons)
{
    icons_ = icons;
    Changed();
}

void TTrayIcon::SetIconIndex(int index)
{
    if (index != iconIndex_) {
        iconIndex_ = index;
        Changed();
    }
}

void TTrayIcon::SetAnimate(bool on)
{
    animate_ = on;
    animation_->SetEnabled(on);
}

void TTrayIcon::SetAnimateInterval(unsigned ms)
{
    animateInterval_ = ms;
    animation_->SetInterval(ms);
}

void TTrayIcon::UserClick(TMouseButton button, Point screen)
{
    HandlerScope scope;
    if (button == TMouseButton::mbRight) {
        if (popupMenu_ != nullptr) {
            popupMenu_->Popup(screen.x, screen.y);
        }
        return;
    }
    if (button == TMouseButton::mbLeft && OnClick) {
        OnClick(this);
    }
}

void TTrayIcon::UserDblClick()
{
    if (OnDblClick) {
        HandlerScope scope;
        OnDblClick(this);
    }
}

void TTrayIcon::SetChangeHook(std::function<void(const TTrayIcon&)> hook)
{
    Hook() = std::move(hook);
}

void TTrayIcon::Changed()
{
    if (Hook()) {
        Hook()(*this);
    }
}

}  // namespace ui
