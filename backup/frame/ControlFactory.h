#pragma once
// Creating a published control as a form description would: owned by the form, named, on its parent.

#include "ui/control.h"

#include <string>

template <class T>
T* NewControl(ui::TComponent* owner, std::string name, ui::TWinControl* parent)
{
    T* control = new T(owner);
    control->SetName(std::move(name));
    if (parent != nullptr) {
        control->SetParent(parent);
    }
    return control;
}

template <class T>
T* NewComponent(ui::TComponent* owner, std::string name)
{
    T* component = new T(owner);
    component->SetName(std::move(name));
    return component;
}
