#pragma once
// The root of the widget model: TObject, and TComponent with its name, owner and owned components.
// An owner frees what it owns. Free() inside a handler defers the destruction until no handler or
// modal loop is on the stack any more, so a suspended handler never finds its objects gone.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class TObject {
public:
    virtual ~TObject() = default;
};

class TComponent;

// A handle that turns null when its component is destroyed.
template <class T> class WeakRef {
public:
    WeakRef() = default;
    WeakRef(T* object);
    T* get() const;
    T* operator->() const { return get(); }
    explicit operator bool() const { return get() != nullptr; }

private:
    std::weak_ptr<TComponent*> alive_;
    T* object_ = nullptr;
};

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(index); }
    // An owned component by name (not case-sensitive), searched in this component's own list.
    TComponent* FindComponent(std::string_view name) const;
    // Searches the whole ownership tree below this component.
    TComponent* FindComponentDeep(std::string_view name) const;
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // Destroys now, or, while any handler or modal loop runs, once the outermost one returns.
    void Free();
    bool FreePending() const { return freePending_; }

    std::weak_ptr<TComponent*> AliveToken() const { return alive_; }

protected:
    // Called by Free before a deferred destruction (controls hide themselves).
    virtual void BeforeDeferredFree() { }

private:
    void RemoveOwned(TComponent* component);

    std::string name_;
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    int tag_ = 0;
    bool freePending_ = false;
    std::shared_ptr<TComponent*> alive_;
};

// Counts the handlers and modal loops on the stack; while any runs, frees are deferred.
class HandlerScope {
public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
    static int Depth();
};

// Frees the components whose Free was deferred, and runs the deferred destructions, once no
// handler runs. The loop calls it.
void DrainDeferredFrees();
// Runs destroy now when no handler runs, else once DrainDeferredFrees finds none running.
void DeferUntilIdle(std::function<void()> destroy);

template <class T> WeakRef<T>::WeakRef(T* object) : object_(object)
{
    if (object != nullptr) {
        alive_ = static_cast<TComponent*>(object)->AliveToken();
    }
}

template <class T> T* WeakRef<T>::get() const
{
    return alive_.expired() ? nullptr : object_;
}

}  // namespace ui
