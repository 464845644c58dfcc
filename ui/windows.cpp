#include "ui/windows.h"

#include "ui/application.h"
#include "ui/backend.h"
#include "ui/controls/list_view.h"
#include "ui/controls/panel.h"
#include "ui/loop/desktop.h"
#include "ui/loop/message_loop.h"

#include <map>
#include <memory>
#include <utility>

namespace {

struct RoundRegion {
    int width;
    int height;
    int ellipseW;
    int ellipseH;
};

struct Hotkey {
    HWND window;
    int id;
};

std::map<std::pair<UINT, UINT>, Hotkey>& Hotkeys()
{
    static std::map<std::pair<UINT, UINT>, Hotkey> hotkeys;
    return hotkeys;
}

}  // namespace

LRESULT SendMessageW(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (window == ui::App().Handle()) {
        if (msg == WM_CLOSE && ui::App().MainForm() != nullptr) {
            ui::App().MainForm()->Close();
        }
        return 0;
    }
    ui::TWinControl* target = ui::FindControl(window);
    return target != nullptr ? target->Perform(msg, wParam, lParam) : 0;
}

LRESULT SendMessageA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return SendMessageW(window, msg, wParam, lParam);
}

BOOL PostMessageW(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return ui::loop::Post(window, msg, wParam, lParam) ? TRUE : FALSE;
}

BOOL PostMessageA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return PostMessageW(window, msg, wParam, lParam);
}

BOOL ReleaseCapture()
{
    ui::loop::SetCapture(nullptr);
    return TRUE;
}

LONG GetWindowLongA(HWND window, int index)
{
    ui::TWinControl* control = ui::FindControl(window);
    return control != nullptr && index == GWL_EXSTYLE ? control->ExStyle() : 0;
}

LONG SetWindowLongA(HWND window, int index, LONG value)
{
    ui::TWinControl* control = ui::FindControl(window);
    if (control == nullptr || index != GWL_EXSTYLE) {
        return 0;
    }
    LONG old = control->ExStyle();
    control->SetExStyle(value);
    return old;
}

BOOL ShowWindow(HWND window, int command)
{
    if (window == ui::App().Handle()) {
        switch (command) {
        case SW_HIDE:
            ui::App().SetWindowShown(false);
            break;
        case SW_MINIMIZE:
        case SW_SHOWMINIMIZED:
            ui::App().Minimize();
            break;
        default:
            ui::App().SetWindowShown(true);
            ui::App().Restore();
            break;
        }
        return TRUE;
    }
    ui::TWinControl* control = ui::FindControl(window);
    if (control == nullptr) {
        return FALSE;
    }
    control->SetVisible(command != SW_HIDE);
    return TRUE;
}

BOOL SetForegroundWindow(HWND window)
{
    if (window == ui::App().Handle()) {
        window = ui::App().MainForm() != nullptr ? ui::App().MainForm()->Handle() : nullptr;
    }
    auto* form = dynamic_cast<ui::TForm*>(ui::FindControl(window));
    if (form == nullptr) {
        return FALSE;
    }
    form->ShowForm();
    return TRUE;
}

BOOL SetWindowPos(HWND window, HWND, int x, int y, int cx, int cy, UINT flags)
{
    if (window == ui::App().Handle()) {
        if (flags & SWP_SHOWWINDOW) {
            ui::App().SetWindowShown(true);
        }
        return TRUE;
    }
    ui::TWinControl* control = ui::FindControl(window);
    if (control == nullptr) {
        return FALSE;
    }
    int left = (flags & SWP_NOMOVE) ? control->Left() : x;
    int top = (flags & SWP_NOMOVE) ? control->Top() : y;
    int width = (flags & SWP_NOSIZE) ? control->Width() : cx;
    int height = (flags & SWP_NOSIZE) ? control->Height() : cy;
    control->SetBounds(left, top, width, height);
    if (flags & SWP_SHOWWINDOW) {
        control->Show();
    }
    if (flags & SWP_HIDEWINDOW) {
        control->Hide();
    }
    if ((flags & SWP_NOZORDER) == 0) {
        control->BringToFront();
    }
    return TRUE;
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseW, int ellipseH)
{
    // Regions always start at the window's origin in this program.
    (void)left;
    (void)top;
    return new RoundRegion{right, bottom, ellipseW, ellipseH};
}

int SetWindowRgn(HWND window, HRGN region, BOOL)
{
    std::unique_ptr<RoundRegion> owned(static_cast<RoundRegion*>(region));
    ui::TWinControl* control = ui::FindControl(window);
    if (control == nullptr) {
        return 0;
    }
    int w = owned ? owned->ellipseW : 0;
    int h = owned ? owned->ellipseH : 0;
    if (auto* form = dynamic_cast<ui::TForm*>(control)) {
        form->SetRoundRegion(w, h);
    } else if (auto* panel = dynamic_cast<ui::TPanel*>(control)) {
        panel->SetRoundRegion(w, h);
    }
    return 1;
}

BOOL DeleteObject(HRGN region)
{
    delete static_cast<RoundRegion*>(region);
    return TRUE;
}

BOOL ShowScrollBar(HWND window, int bar, BOOL show)
{
    auto* list = dynamic_cast<ui::TListView*>(ui::FindControl(window));
    if (list == nullptr) {
        return FALSE;
    }
    list->SetScrollBarShown(bar, show != FALSE);
    return TRUE;
}

int GetScrollPos(HWND window, int bar)
{
    auto* list = dynamic_cast<ui::TListView*>(ui::FindControl(window));
    if (list == nullptr) {
        return 0;
    }
    return bar == ui::SB_HORZ ? list->ScrollX() : list->TopIndex();
}

BOOL SystemParametersInfoA(UINT action, UINT, void* value, UINT)
{
    if (action != SPI_GETWORKAREA || value == nullptr) {
        return FALSE;
    }
    *static_cast<ui::Rect*>(value) = ui::CurrentBackend().WorkArea();
    return TRUE;
}

int GetSystemMetrics(int index)
{
    ui::Rect screen = ui::CurrentBackend().ScreenRect();
    return index == SM_CXSCREEN ? screen.Width() : index == SM_CYSCREEN ? screen.Height() : 0;
}

BOOL RegisterHotKey(HWND window, int id, UINT modifiers, UINT key)
{
    // A registration ends with its window.
    auto held = Hotkeys().find({modifiers, key});
    if (held != Hotkeys().end() && held->second.window != ui::App().Handle() &&
        ui::loop::ControlOfHandle(held->second.window) == nullptr) {
        Hotkeys().erase(held);
    }
    auto [it, inserted] = Hotkeys().try_emplace({modifiers, key}, Hotkey{window, id});
    if (inserted && !ui::loop::GrabHotkey(modifiers, key)) {
        Hotkeys().erase(it);
        return FALSE;
    }
    return inserted ? TRUE : FALSE;
}

BOOL UnregisterHotKey(HWND window, int id)
{
    for (auto it = Hotkeys().begin(); it != Hotkeys().end(); ++it) {
        if (it->second.window == window && it->second.id == id) {
            ui::loop::ReleaseHotkey(it->first.first, it->first.second);
            Hotkeys().erase(it);
            return TRUE;
        }
    }
    return FALSE;
}

namespace ui {

bool DeliverHotkey(UINT modifiers, UINT key)
{
    auto it = Hotkeys().find({modifiers, key});
    if (it == Hotkeys().end()) {
        return false;
    }
    LPARAM l = static_cast<LPARAM>((static_cast<std::uint32_t>(key) << 16) | modifiers);
    return loop::Post(it->second.window, WM_HOTKEY, static_cast<WPARAM>(it->second.id), l);
}

}  // namespace ui
