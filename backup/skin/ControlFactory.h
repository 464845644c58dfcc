#pragma once
// Creating a published control as a form description would: owned by the form, named, on its parent.

#include "ui/control.h"
#include "ui/controls/image.h"
#include "ui/controls/label.h"
#include "ui/controls/panel.h"

#include <string>

template <class T> T* NewControl(ui::TComponent* owner, std::string name, ui::TWinControl* parent)
{
    T* control = new T(owner);
    control->SetName(std::move(name));
    if (parent != nullptr) {
        control->SetParent(parent);
    }
    return control;
}

template <class T> T* NewComponent(ui::TComponent* owner, std::string name)
{
    T* component = new T(owner);
    component->SetName(std::move(name));
    return component;
}

// The look every page control keeps from the form description: stretched transparent images,
// transparent fixed-size labels, panels without bevel.
inline ui::TImage* NewSkinImage(ui::TComponent* owner, std::string name, ui::TWinControl* parent)
{
    auto* image = NewControl<ui::TImage>(owner, std::move(name), parent);
    image->SetStretch(true);
    image->SetTransparent(true);
    return image;
}

inline ui::TLabel* NewFixedLabel(ui::TComponent* owner, std::string name, ui::TWinControl* parent)
{
    auto* label = NewControl<ui::TLabel>(owner, std::move(name), parent);
    label->SetAutoSize(false);
    label->SetTransparent(true);
    return label;
}

inline ui::TPanel* NewPlainPanel(ui::TComponent* owner, std::string name, ui::TWinControl* parent)
{
    auto* panel = NewControl<ui::TPanel>(owner, std::move(name), parent);
    panel->SetBevelOuter(ui::TBevelCut::bvNone);
    return panel;
}
