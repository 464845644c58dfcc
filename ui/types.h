#pragma once
// The value types of the widget layer: colours, cursors, mouse and key state, alignment enums,
// window messages and the extended-style bits that controls keep.

#include "platform/win_types.h"
#include "ui/gfx/color.h"

#include <cstdint>

namespace ui {

// 0x00BBGGRR; 0xFF0000nn names the system colour nn; the painter resolves both.
using TColor = gfx::Color;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = gfx::clNone;
inline constexpr TColor clDefault = gfx::clDefault;
inline constexpr TColor clWindow = gfx::clWindow;
inline constexpr TColor clWindowText = gfx::clWindowText;
inline constexpr TColor clBtnFace = gfx::clBtnFace;
inline constexpr TColor clBtnShadow = gfx::clBtnShadow;
inline constexpr TColor clBtnText = gfx::clBtnText;
inline constexpr TColor clGrayText = gfx::clGrayText;
inline constexpr TColor clHighlight = gfx::clHighlight;
inline constexpr TColor clHighlightText = gfx::clHighlightText;
inline constexpr TColor clInfoBk = gfx::clInfoBk;
inline constexpr TColor clInfoText = gfx::clInfoText;

// Cursor ids, as the program names them.
using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

// Shift state: the bits of ui/backend.h (kShiftKey, kAltKey, kCtrlKey, kLeftButton, ...).
struct TShiftState {
    unsigned bits = 0;
    bool Contains(unsigned bit) const { return (bits & bit) != 0; }
    bool LeftHeld() const;
    bool operator==(const TShiftState&) const = default;
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };
// Where a one-line caption too wide for its label is shortened.
enum class TEllipsisPosition { epNone, epPathEllipsis };
enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TPosition { poDesigned, poDefault, poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TBorderStyle { bsNone, bsSingle };
enum class TBevelKind { bkNone, bkTile, bkSoft, bkFlat };
enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;

// A window message as handlers receive it; Result is what the sender gets back.
struct TMessage {
    UINT Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

}  // namespace ui

// Window messages the program sends, posts or handles.
inline constexpr UINT WM_NULL = 0x0000;
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_SIZE = 0x0005;
inline constexpr UINT WM_ACTIVATE = 0x0006;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_QUIT = 0x0012;
inline constexpr UINT WM_DRAWITEM = 0x002B;
inline constexpr UINT WM_NCCALCSIZE = 0x0083;
inline constexpr UINT WM_NCPAINT = 0x0085;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_KEYUP = 0x0101;
inline constexpr UINT WM_CHAR = 0x0102;
inline constexpr UINT WM_SYSCOMMAND = 0x0112;
inline constexpr UINT WM_TIMER = 0x0113;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_RBUTTONUP = 0x0205;
inline constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
inline constexpr UINT WM_MBUTTONDOWN = 0x0207;
inline constexpr UINT WM_MBUTTONUP = 0x0208;
inline constexpr UINT WM_MOUSEWHEEL = 0x020A;
inline constexpr UINT WM_MOUSELEAVE = 0x02A3;
inline constexpr UINT WM_POWERBROADCAST = 0x0218;
inline constexpr UINT WM_DEVICECHANGE = 0x0219;
inline constexpr UINT WM_HOTKEY = 0x0312;
inline constexpr UINT WM_USER = 0x0400;

inline constexpr std::uintptr_t SC_MOVE = 0xF010;
inline constexpr std::uintptr_t SC_MINIMIZE = 0xF020;
inline constexpr std::uintptr_t SC_CLOSE = 0xF060;
inline constexpr std::uintptr_t HTCAPTION = 2;

// Extended window-style bits, kept by every windowed control (GetWindowLongA / SetWindowLongA).
inline constexpr LONG GWL_EXSTYLE = -20;
inline constexpr LONG WS_EX_RIGHT = 0x1000;
inline constexpr LONG WS_EX_RTLREADING = 0x2000;
inline constexpr LONG WS_EX_LEFTSCROLLBAR = 0x4000;
inline constexpr LONG WS_EX_NOINHERITLAYOUT = 0x100000;
inline constexpr LONG WS_EX_LAYOUTRTL = 0x400000;

// Virtual-key codes.
inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_END = 0x23;
inline constexpr int VK_HOME = 0x24;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_DELETE = 0x2E;
inline constexpr int VK_F1 = 0x70;

// Hotkey modifiers of RegisterHotKey.
inline constexpr UINT MOD_ALT = 0x1;
inline constexpr UINT MOD_CONTROL = 0x2;
inline constexpr UINT MOD_SHIFT = 0x4;

// Key and button flags in the wParam of mouse messages.
inline constexpr std::uintptr_t MK_LBUTTON = 0x1;
inline constexpr std::uintptr_t MK_RBUTTON = 0x2;
inline constexpr std::uintptr_t MK_SHIFT = 0x4;
inline constexpr std::uintptr_t MK_CONTROL = 0x8;
inline constexpr std::uintptr_t MK_MBUTTON = 0x10;
inline constexpr std::uintptr_t MK_ALT_EXTENSION = 0x1000;  // ours: Alt held
