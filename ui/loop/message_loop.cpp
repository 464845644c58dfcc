#include "ui/loop/message_loop.h"

#include "ui/loop/desktop.h"

#include "platform/clock.h"
#include "ui/application.h"
#include "ui/controls/timer.h"
#include "ui/form.h"
#include "ui/loop/shell_notices.h"
#include "ui/windows.h"

#include <deque>
#include <map>
#include <set>
#include <unordered_map>
#include <vector>

namespace ui::loop {
namespace {

struct TimerEntry {
    std::uint64_t due;
    std::uint64_t seq;
    TTimer* timer;
    bool operator<(const TimerEntry& o) const { return due != o.due ? due < o.due : seq < o.seq; }
};

struct State {
    std::uintptr_t nextHandle = 0x1000;
    std::unordered_map<HWND, TWinControl*> handles;
    HWND applicationHandle = nullptr;
    std::deque<TMsg> posted;
    std::set<TimerEntry> timers;
    std::unordered_map<TTimer*, TimerEntry> timerIndex;
    std::uint64_t timerSeq = 0;
    std::map<int, TForm*> windows;
    std::vector<WeakRef<TForm>> dirtyForms;
    std::vector<BackendEvent> injected;
    WeakRef<TControl> capture;
    WeakRef<TControl> hover;
    WeakRef<TControl> focused;
    WeakRef<TForm> popup;
    std::function<void()> closePopup;
    Point pointer;  // on the screen, where the last mouse event of pointerWindow was
    int pointerWindow = 0;
    WeakRef<TForm> uncovered;
    std::function<void(int)> idleHook;
};

State& S()
{
    static State state;
    return state;
}

std::uint64_t NowMs()
{
    return platform::CurrentClock().MonotonicMs();
}

std::uintptr_t MouseKeys(unsigned shift)
{
    std::uintptr_t w = 0;
    w |= (shift & kLeftButton) ? MK_LBUTTON : 0;
    w |= (shift & kRightButton) ? MK_RBUTTON : 0;
    w |= (shift & kMiddleButton) ? MK_MBUTTON : 0;
    w |= (shift & kShiftKey) ? MK_SHIFT : 0;
    w |= (shift & kCtrlKey) ? MK_CONTROL : 0;
    w |= (shift & kAltKey) ? MK_ALT_EXTENSION : 0;
    return w;
}

void Send(TControl* target, UINT msg, std::uintptr_t w, Point formPoint)
{
    Point origin = target->OriginInForm();
    target->Perform(msg, w, MakeMouseLParam(formPoint.x - origin.x, formPoint.y - origin.y));
}

TControl* ControlAt(TForm* form, Point p)
{
    if (!form->HitTest(p)) {
        return nullptr;
    }
    TControl* hit = form->ControlAtPos(p);
    return hit != nullptr ? hit : form;
}

void UpdateCursor(TControl* target)
{
    TCursor cursor = Screen->Cursor();
    if (cursor == crDefault && target != nullptr) {
        cursor = target->Cursor();
    }
    CurrentBackend().SetCursor(cursor);
}

void SetHover(TControl* target)
{
    if (S().hover.get() == target) {
        return;
    }
    WeakRef<TControl> old = S().hover;
    S().hover = WeakRef<TControl>(target);
    if (old) {
        old->Perform(WM_MOUSELEAVE);
    }
    if (target != nullptr && target->OnMouseEnter) {
        HandlerScope scope;
        target->OnMouseEnter(target);
    }
}

UINT DownMessage(int button, int clicks)
{
    if (button == kButtonRight) {
        return clicks >= 2 ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN;
    }
    if (button == kButtonMiddle) {
        return WM_MBUTTONDOWN;
    }
    return clicks >= 2 ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
}

UINT UpMessage(int button)
{
    return button == kButtonRight ? WM_RBUTTONUP : button == kButtonMiddle ? WM_MBUTTONUP : WM_LBUTTONUP;
}

TControl* KeyTarget(TForm* form)
{
    TControl* focused = S().focused.get();
    if (focused != nullptr && focused->ParentForm() == form && focused->Showing() && focused->Enabled()) {
        return focused;
    }
    return form;
}

void RouteMouse(TForm* form, const BackendEvent& e)
{
    Point p{e.x, e.y};
    TControl* captured = S().capture.get();
    TControl* hit = ControlAt(form, p);
    switch (e.kind) {
    case BackendEvent::Kind::MouseMove: {
        TControl* target = captured != nullptr ? captured : hit;
        SetHover(hit);
        UpdateCursor(target);
        if (target != nullptr) {
            Send(target, WM_MOUSEMOVE, MouseKeys(e.shift), p);
        }
        break;
    }
    case BackendEvent::Kind::MouseDown:
        if (hit == nullptr) {
            break;
        }
        SetHover(hit);
        S().capture = WeakRef<TControl>(hit);
        CurrentBackend().CaptureMouse(form->WindowId(), true);
        Send(hit, DownMessage(e.button, e.clicks), MouseKeys(e.shift), p);
        break;
    case BackendEvent::Kind::MouseUp: {
        TControl* target = captured != nullptr ? captured : hit;
        S().capture = WeakRef<TControl>();
        CurrentBackend().CaptureMouse(form->WindowId(), false);
        if (target != nullptr) {
            Send(target, UpMessage(e.button), MouseKeys(e.shift), p);
        }
        break;
    }
    case BackendEvent::Kind::MouseWheel: {
        TControl* target = KeyTarget(form) != form ? KeyTarget(form) : hit;
        if (target != nullptr) {
            std::uintptr_t w =
                (static_cast<std::uintptr_t>(static_cast<std::uint16_t>(e.wheelDelta)) << 16) | MouseKeys(e.shift);
            Send(target, WM_MOUSEWHEEL, w, p);
        }
        break;
    }
    case BackendEvent::Kind::MouseLeave:
        SetHover(nullptr);
        break;
    default:
        break;
    }
}

UINT HotkeyModifiers(unsigned shift)
{
    UINT m = 0;
    m |= (shift & kAltKey) ? MOD_ALT : 0;
    m |= (shift & kCtrlKey) ? MOD_CONTROL : 0;
    m |= (shift & kShiftKey) ? MOD_SHIFT : 0;
    return m;
}

void DispatchPosted()
{
    std::deque<TMsg> batch;
    batch.swap(S().posted);
    for (TMsg& msg : batch) {
        bool handled = false;
        if (App().OnMessage) {
            HandlerScope scope;
            App().OnMessage(msg, handled);
        }
        if (handled) {
            continue;
        }
        if (msg.hwnd == S().applicationHandle) {
            if (msg.message == WM_CLOSE && App().MainForm() != nullptr) {
                App().MainForm()->Close();
            }
            continue;
        }
        if (TWinControl* target = ControlOfHandle(msg.hwnd)) {
            target->Perform(msg.message, msg.wParam, msg.lParam);
        }
    }
}

std::uint64_t NextDue(std::uint64_t due, unsigned interval, std::uint64_t now)
{
    std::uint64_t next = due + interval;
    if (next <= now) {
        next += ((now - next) / interval + 1) * interval;
    }
    return next;
}

void FireDueTimers()
{
    std::uint64_t now = NowMs();
    std::uint64_t passSeq = S().timerSeq;
    std::vector<TimerEntry> due;
    for (const TimerEntry& e : S().timers) {
        if (e.due > now) {
            break;
        }
        if (e.seq < passSeq) {
            due.push_back(e);
        }
    }
    for (const TimerEntry& e : due) {
        auto it = S().timerIndex.find(e.timer);
        if (it == S().timerIndex.end() || it->second.seq != e.seq) {
            continue;  // disabled, freed or re-armed by an earlier handler of this pass
        }
        S().timers.erase(it->second);
        TimerEntry next{NextDue(e.due, e.timer->Interval(), now), S().timerSeq++, e.timer};
        S().timers.insert(next);
        it->second = next;
        HandlerScope scope;
        e.timer->Fire();
    }
}

void PaintDirtyForms()
{
    std::vector<WeakRef<TForm>> batch;
    batch.swap(S().dirtyForms);
    for (auto& ref : batch) {
        if (TForm* form = ref.get(); form != nullptr && form->Showing()) {
            form->PaintNow();
        }
    }
}

}  // namespace

HWND NewHandle(TWinControl* control)
{
    HWND handle = reinterpret_cast<HWND>(S().nextHandle);
    S().nextHandle += 4;
    S().handles[handle] = control;
    return handle;
}

void ReleaseHandle(HWND handle)
{
    S().handles.erase(handle);
}

TWinControl* ControlOfHandle(HWND handle)
{
    auto it = S().handles.find(handle);
    return it == S().handles.end() ? nullptr : it->second;
}

HWND ApplicationHandle()
{
    if (S().applicationHandle == nullptr) {
        S().applicationHandle = reinterpret_cast<HWND>(S().nextHandle);
        S().nextHandle += 4;
    }
    return S().applicationHandle;
}

bool Post(HWND target, UINT msg, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (target != S().applicationHandle && ControlOfHandle(target) == nullptr) {
        return false;
    }
    S().posted.push_back(TMsg{target, msg, wParam, lParam});
    CurrentBackend().Wake();
    return true;
}

void TimerChanged(TTimer* timer)
{
    TimerRemoved(timer);
    if (!timer->Armed()) {
        return;
    }
    TimerEntry e{NowMs() + timer->Interval(), S().timerSeq++, timer};
    S().timers.insert(e);
    S().timerIndex[timer] = e;
}

void TimerRemoved(TTimer* timer)
{
    auto it = S().timerIndex.find(timer);
    if (it != S().timerIndex.end()) {
        S().timers.erase(it->second);
        S().timerIndex.erase(it);
    }
}

int MsToNextTimer()
{
    if (S().timers.empty()) {
        return -1;
    }
    std::uint64_t due = S().timers.begin()->due;
    std::uint64_t now = NowMs();
    return due <= now ? 0 : static_cast<int>(std::min<std::uint64_t>(due - now, 1u << 30));
}

void FormWindowCreated(TForm* form)
{
    S().windows[form->WindowId()] = form;
}

void FormWindowDestroyed(TForm* form)
{
    S().windows.erase(form->WindowId());
}

TForm* FormOfWindow(int window)
{
    auto it = S().windows.find(window);
    return it == S().windows.end() ? nullptr : it->second;
}

void FormDirty(TForm* form)
{
    for (auto& ref : S().dirtyForms) {
        if (ref.get() == form) {
            return;
        }
    }
    S().dirtyForms.emplace_back(form);
}

namespace {

// While a modal window runs, the windows under it take no input, as windows disabled for a dialog
// do; the modal window's own drop-down lists do.
bool BlockedByModal(const TForm* form, BackendEvent::Kind kind)
{
    switch (kind) {
    case BackendEvent::Kind::MouseDown:
    case BackendEvent::Kind::MouseUp:
    case BackendEvent::Kind::MouseMove:
    case BackendEvent::Kind::MouseWheel:
    case BackendEvent::Kind::KeyDown:
    case BackendEvent::Kind::KeyUp:
    case BackendEvent::Kind::Char:
    case BackendEvent::Kind::CloseRequest:
        break;
    default:
        return false;
    }
    const TForm* modal = App().ModalForm();
    return modal != nullptr && form != modal && form != S().popup.get();
}

void NotePointer(const TForm* form, const BackendEvent& e)
{
    switch (e.kind) {
    case BackendEvent::Kind::MouseDown:
    case BackendEvent::Kind::MouseUp:
    case BackendEvent::Kind::MouseMove:
        S().pointer = Point{form->Left() + e.x, form->Top() + e.y};
        S().pointerWindow = form->WindowId();
        break;
    case BackendEvent::Kind::MouseLeave:
        if (S().pointerWindow == form->WindowId()) {
            S().pointerWindow = 0;
        }
        break;
    default:
        break;
    }
}

void MoveOverUncovered()
{
    TForm* form = S().uncovered.get();
    S().uncovered = WeakRef<TForm>();
    if (form == nullptr || S().pointerWindow == 0 || !form->Showing() || S().popup ||
        BlockedByModal(form, BackendEvent::Kind::MouseMove) || !form->BoundsRect().Contains(S().pointer)) {
        return;
    }
    BackendEvent e;
    e.kind = BackendEvent::Kind::MouseMove;
    e.window = form->WindowId();
    e.x = S().pointer.x - form->Left();
    e.y = S().pointer.y - form->Top();
    RouteMouse(form, e);
}

}  // namespace

void RouteEvent(const BackendEvent& e)
{
    if (e.kind == BackendEvent::Kind::Quit) {
        App().RequestQuit();
        return;
    }
    if (e.kind == BackendEvent::Kind::DisplayLost) {
        App().EndSession();
        return;
    }
    TForm* form = FormOfWindow(e.window);
    if (form == nullptr) {
        return;
    }
    NotePointer(form, e);
    TForm* popup = S().popup.get();
    if (popup != nullptr && popup != form && e.kind == BackendEvent::Kind::MouseDown) {
        // A press outside an open list only closes the list, as a drop-down does.
        std::function<void()> close = std::move(S().closePopup);
        S().popup = WeakRef<TForm>();
        if (close) {
            close();
        }
        return;
    }
    if (e.kind == BackendEvent::Kind::KeyDown &&
        ui::DeliverHotkey(HotkeyModifiers(e.shift), static_cast<UINT>(e.key))) {
        return;
    }
    if (BlockedByModal(form, e.kind)) {
        if (e.kind == BackendEvent::Kind::MouseUp) {
            S().capture = WeakRef<TControl>();
            CurrentBackend().CaptureMouse(form->WindowId(), false);
        }
        return;
    }
    switch (e.kind) {
    case BackendEvent::Kind::MouseDown:
    case BackendEvent::Kind::MouseUp:
    case BackendEvent::Kind::MouseMove:
    case BackendEvent::Kind::MouseWheel:
    case BackendEvent::Kind::MouseLeave:
        RouteMouse(form, e);
        break;
    case BackendEvent::Kind::KeyDown: {
        TControl* target = KeyTarget(form);
        target->Perform(WM_KEYDOWN, static_cast<std::uintptr_t>(e.key), static_cast<std::intptr_t>(e.shift));
        break;
    }
    case BackendEvent::Kind::KeyUp:
        KeyTarget(form)->Perform(WM_KEYUP, static_cast<std::uintptr_t>(e.key), static_cast<std::intptr_t>(e.shift));
        break;
    case BackendEvent::Kind::Char:
        KeyTarget(form)->Perform(WM_CHAR, e.ch, static_cast<std::intptr_t>(e.shift));
        break;
    case BackendEvent::Kind::CloseRequest:
        form->Perform(WM_CLOSE);
        break;
    case BackendEvent::Kind::Activate:
        form->Activated();
        break;
    case BackendEvent::Kind::Deactivate:
        form->Deactivated();
        break;
    case BackendEvent::Kind::Expose:
        form->AddDirty(form->ClientRect());
        break;
    case BackendEvent::Kind::Minimized:
        App().Minimize();
        break;
    case BackendEvent::Kind::Restored:
        App().Restore();
        break;
    case BackendEvent::Kind::Moved:
        form->WindowMoved(Point{e.x, e.y});
        break;
    case BackendEvent::Kind::Quit:
    case BackendEvent::Kind::DisplayLost:
        break;
    }
}

void SetCapture(TControl* control)
{
    S().capture = WeakRef<TControl>(control);
}

TControl* CaptureControl()
{
    return S().capture.get();
}

void ControlGone(TControl* control)
{
    if (S().capture.get() == control) {
        S().capture = WeakRef<TControl>();
    }
    if (S().hover.get() == control) {
        S().hover = WeakRef<TControl>();
    }
    if (S().focused.get() == control) {
        S().focused = WeakRef<TControl>();
    }
}

TControl* FocusedControl()
{
    return S().focused.get();
}

void SetFocusedControl(TControl* control)
{
    S().focused = WeakRef<TControl>(control);
}

void InjectEvent(const BackendEvent& event)
{
    S().injected.push_back(event);
}

void Pass(bool wait)
{
    std::vector<BackendEvent> events;
    bool pending = !S().posted.empty() || !S().injected.empty();
    int timeout = wait && !pending ? MsToNextTimer() : 0;
    if (timeout != 0) {
        PaintDirtyForms();
    }
    if (S().idleHook && timeout != 0) {
        S().idleHook(timeout);
        timeout = 0;  // the hook stood for the wait; what arrived meanwhile is still read
    }
    CurrentBackend().WaitEvents(timeout, events);
    std::vector<BackendEvent> injected;
    injected.swap(S().injected);
    events.insert(events.end(), injected.begin(), injected.end());
    for (const BackendEvent& e : events) {
        RouteEvent(e);
    }
    MoveOverUncovered();
    App().HandleIdentityRequests();
    App().HandleDriveChanges();
    HandleDesktopInput();
    DeliverShellNotices();
    DispatchPosted();
    FireDueTimers();
    DrainDeferredFrees();
    PaintDirtyForms();
}

void SetIdleHook(std::function<void(int timeoutMs)> hook)
{
    S().idleHook = std::move(hook);
}

void SetActivePopup(TForm* popup, std::function<void()> close)
{
    S().popup = WeakRef<TForm>(popup);
    S().closePopup = std::move(close);
}

TForm* ActivePopup()
{
    return S().popup.get();
}

void DismissPopup(TForm* popup)
{
    if (S().popup.get() == popup) {
        SetActivePopup(nullptr, nullptr);
    }
    popup->Hide();
    popup->Free();
}

void PointerUncovered(TForm* form)
{
    S().uncovered = WeakRef<TForm>(form);
}

void ResetForTests()
{
    S().posted.clear();
    S().injected.clear();
    S().dirtyForms.clear();
    S().capture = WeakRef<TControl>();
    S().hover = WeakRef<TControl>();
    S().focused = WeakRef<TControl>();
    S().popup = WeakRef<TForm>();
    S().closePopup = nullptr;
    S().pointerWindow = 0;
    S().uncovered = WeakRef<TForm>();
}

}  // namespace ui::loop
