#pragma once
// The window functions of the program over the widget layer's handles: messages sent and posted
// to forms and controls, capture, styles, regions, hotkeys and the application window's state.

#include "ui/types.h"

namespace ui {
class TForm;
}

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using HRGN = void*;

// Runs the handler of the window now and returns its result; 0 for an unknown handle.
LRESULT SendMessageW(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
// Queues the message for the loop; FALSE for an unknown handle.
BOOL PostMessageW(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL PostMessageA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

BOOL ReleaseCapture();
LONG GetWindowLongA(HWND window, int index);
LONG SetWindowLongA(HWND window, int index, LONG value);

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_RESTORE = 9;
BOOL ShowWindow(HWND window, int command);
BOOL SetForegroundWindow(HWND window);
inline constexpr UINT SWP_NOSIZE = 0x1;
inline constexpr UINT SWP_NOMOVE = 0x2;
inline constexpr UINT SWP_NOZORDER = 0x4;
inline constexpr UINT SWP_FRAMECHANGED = 0x20;
inline constexpr UINT SWP_SHOWWINDOW = 0x40;
inline constexpr UINT SWP_HIDEWINDOW = 0x80;
inline HWND const HWND_TOP = nullptr;
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);

// Rounded-rectangle regions, applied to a form or panel by SetWindowRgn (which takes ownership).
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseW, int ellipseH);
int SetWindowRgn(HWND window, HRGN region, BOOL redraw);
BOOL DeleteObject(HRGN region);

BOOL ShowScrollBar(HWND window, int bar, BOOL show);
int GetScrollPos(HWND window, int bar);

inline constexpr UINT SPI_GETWORKAREA = 48;
// SPI_GETWORKAREA fills a RECT-like ui::Rect.
BOOL SystemParametersInfoA(UINT action, UINT param, void* value, UINT winIni);
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
int GetSystemMetrics(int index);

// Hotkeys: a registered combination posts WM_HOTKEY (wParam = id) to the window when pressed.
// FALSE when the combination is taken (by this process or, through the platform, another).
BOOL RegisterHotKey(HWND window, int id, UINT modifiers, UINT key);
BOOL UnregisterHotKey(HWND window, int id);

namespace ui {
// The press of a key combination, as the platform's key grab or a test reports it: posts
// WM_HOTKEY when registered. Returns whether one was.
bool DeliverHotkey(UINT modifiers, UINT key);
}  // namespace ui
