#include "ui/component.h"

#include <cctype>

#include <algorithm>
#include <cassert>

namespace ui {
namespace {

int g_handlerDepth = 0;
std::vector<WeakRef<TComponent>> g_deferred;
std::vector<std::function<void()>> g_deferredActions;

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

TComponent::TComponent(TComponent* owner) : owner_(owner), alive_(std::make_shared<TComponent*>(this))
{
    if (owner_ != nullptr) {
        owner_->components_.push_back(this);
    }
}

TComponent::~TComponent()
{
    alive_.reset();
    while (!components_.empty()) {
        TComponent* last = components_.back();
        delete last;  // removes itself from components_
    }
    if (owner_ != nullptr) {
        owner_->RemoveOwned(this);
    }
}

void TComponent::RemoveOwned(TComponent* component)
{
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it != components_.end()) {
        components_.erase(it);
    }
}

TComponent* TComponent::FindComponent(std::string_view name) const
{
    for (TComponent* c : components_) {
        if (SameName(c->Name(), name)) {
            return c;
        }
    }
    return nullptr;
}

TComponent* TComponent::FindComponentDeep(std::string_view name) const
{
    if (TComponent* direct = FindComponent(name)) {
        return direct;
    }
    for (TComponent* c : components_) {
        if (TComponent* found = c->FindComponentDeep(name)) {
            return found;
        }
    }
    return nullptr;
}

void TComponent::Free()
{
    if (HandlerScope::Depth() == 0) {
        delete this;
        return;
    }
    if (!freePending_) {
        freePending_ = true;
        BeforeDeferredFree();
        g_deferred.emplace_back(this);
    }
}

HandlerScope::HandlerScope()
{
    ++g_handlerDepth;
}

HandlerScope::~HandlerScope()
{
    assert(g_handlerDepth > 0);
    --g_handlerDepth;
}

int HandlerScope::Depth()
{
    return g_handlerDepth;
}

void DrainDeferredFrees()
{
    if (g_handlerDepth != 0) {
        return;
    }
    while (!g_deferred.empty() || !g_deferredActions.empty()) {
        std::vector<WeakRef<TComponent>> batch;
        batch.swap(g_deferred);
        for (auto& ref : batch) {
            delete ref.get();
        }
        std::vector<std::function<void()>> actions;
        actions.swap(g_deferredActions);
        for (auto& action : actions) {
            action();
        }
    }
}

void DeferUntilIdle(std::function<void()> destroy)
{
    if (g_handlerDepth == 0) {
        destroy();
    } else {
        g_deferredActions.push_back(std::move(destroy));
    }
}

}  // namespace ui
