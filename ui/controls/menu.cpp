#include "ui/controls/menu.h"

#include "ui/controls/popup_menu_form.h"
#include "ui/loop/message_loop.h"

namespace ui {

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner)
{
}

void TMenuItem::Click()
{
    if (enabled_ && OnClick) {
        HandlerScope scope;
        OnClick(this);
    }
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner)
{
}

TPopupMenu::~TPopupMenu()
{
    CloseUp();
}

TMenuItem* TPopupMenu::Add(std::u16string caption, std::string name)
{
    auto* item = new TMenuItem(this);
    item->SetCaption(std::move(caption));
    item->SetName(std::move(name));
    items_.push_back(item);
    return item;
}

void TPopupMenu::Popup(int screenX, int screenY)
{
    ++popupCount_;
    lastPopup_ = Point{screenX, screenY};
    if (OnPopup) {
        HandlerScope scope;
        OnPopup(this);
    }
    CloseUp();
    auto* window = new TPopupMenuForm(*this, lastPopup_);
    window_ = WeakRef<TPopupMenuForm>(window);
    window->ShowForm();
    loop::SetActivePopup(window, [this] { CloseUp(); });
}

void TPopupMenu::CloseUp()
{
    TPopupMenuForm* window = window_.get();
    window_ = WeakRef<TPopupMenuForm>();
    if (window == nullptr) {
        return;
    }
    loop::DismissPopup(window);
}

}  // namespace ui
