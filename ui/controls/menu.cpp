#include "ui/controls/menu.h"

namespace ui {
namespace {

std::function<void(TPopupMenu&, Point)>& Presenter()
{
    static std::function<void(TPopupMenu&, Point)> presenter;
    return presenter;
}

}  // namespace

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
    if (Presenter()) {
        Presenter()(*this, lastPopup_);
    }
}

void TPopupMenu::SetPresenter(std::function<void(TPopupMenu&, Point)> presenter)
{
    Presenter() = std::move(presenter);
}

}  // namespace ui
