#pragma once

#include <cstdint>

#include "platform/WinTypes.h"

// Window handles, messages and their parameters. A handle names a window of the window
// manager; it stays invalid once the window is destroyed, it is never reused.
struct HWND__;
using HWND = HWND__*;
// Font handles, in the same way.
struct HFONT__;
using HFONT = HFONT__*;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;

struct POINT {
    LONG x = 0;
    LONG y = 0;
};
using LPPOINT = POINT*;

struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};
using LPMSG = MSG*;

// What WM_CREATE carries.
struct CREATESTRUCT {
    HWND hwndParent = nullptr;
    int id = 0;
    DWORD style = 0;
    LPCWSTR lpszName = nullptr;
};
using LPCREATESTRUCT = CREATESTRUCT*;

constexpr WORD LOWORD(std::uintptr_t value) {
    return static_cast<WORD>(value & 0xFFFF);
}
constexpr WORD HIWORD(std::uintptr_t value) {
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}
constexpr WPARAM MAKEWPARAM(UINT low, UINT high) {
    return (low & 0xFFFF) | ((high & 0xFFFF) << 16);
}
constexpr LPARAM MAKELPARAM(int low, int high) {
    return static_cast<LPARAM>(
        static_cast<std::uint32_t>((low & 0xFFFF) | ((high & 0xFFFF) << 16)));
}
constexpr LRESULT MAKELONG(WORD low, WORD high) {
    return static_cast<LRESULT>(static_cast<std::uint32_t>(low) |
                                (static_cast<std::uint32_t>(high) << 16));
}
// Mouse positions travel as two signed 16-bit halves.
constexpr int GET_X_LPARAM(LPARAM value) {
    return static_cast<std::int16_t>(value & 0xFFFF);
}
constexpr int GET_Y_LPARAM(LPARAM value) {
    return static_cast<std::int16_t>((value >> 16) & 0xFFFF);
}

// Window messages.
constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_GETDLGCODE = 0x0087;
constexpr UINT WM_NCLBUTTONDOWN = 0x00A1;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
// A key pressed with Alt held; its lParam carries kAltHeldFlag.
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
// Moves the focus to the next tab stop of the dialog (wParam 0), as Tab does.
constexpr UINT WM_NEXTDLGCTL = 0x0028;
// The dialog's default button: DM_GETDEFID answers MAKELONG(id, DC_HASDEFID); DM_SETDEFID takes it.
constexpr UINT DM_GETDEFID = 0x0400;
constexpr UINT DM_SETDEFID = 0x0401;
constexpr WORD DC_HASDEFID = 0x534B;
// Buttons: the check state (BST_ values), and a click as the mouse makes it.
constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr UINT BM_CLICK = 0x00F5;
constexpr UINT WM_HSCROLL = 0x0114;
constexpr UINT WM_VSCROLL = 0x0115;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
// The wheel turned over the window: HIWORD(wParam) is the signed distance, WHEEL_DELTA a notch,
// positive away from the person; LOWORD(wParam) the MK_ keys held.
constexpr UINT WM_MOUSEWHEEL = 0x020A;
constexpr int WHEEL_DELTA = 120;
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM value) {
    return static_cast<std::int16_t>(HIWORD(value));
}
// A notification handed back to the control that sent it carries this offset.
constexpr UINT WM_REFLECT_BASE = 0xBC00;

// Notification codes of WM_COMMAND.
constexpr UINT BN_CLICKED = 0;
constexpr UINT CBN_SELCHANGE = 1;
constexpr UINT CBN_SELENDOK = 9;
constexpr UINT CBN_SELENDCANCEL = 10;
constexpr UINT EN_SETFOCUS = 0x0100;
constexpr UINT EN_KILLFOCUS = 0x0200;
constexpr UINT EN_CHANGE = 0x0300;
constexpr UINT EN_UPDATE = 0x0400;
constexpr UINT EN_MAXTEXT = 0x0501;

// Virtual keys.
constexpr UINT VK_BACK = 0x08;
constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_MENU = 0x12;  // Alt
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_PRIOR = 0x21;  // Page Up
constexpr UINT VK_NEXT = 0x22;   // Page Down
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_DELETE = 0x2E;
constexpr UINT VK_F1 = 0x70;
constexpr UINT VK_F4 = 0x73;
constexpr UINT VK_OEM_PLUS = 0xBB;
constexpr UINT VK_OEM_COMMA = 0xBC;
constexpr UINT VK_OEM_MINUS = 0xBD;
constexpr UINT VK_OEM_PERIOD = 0xBE;
// A character typed without a key of its own.
constexpr UINT VK_PACKET = 0xE7;

// Mouse key flags in the wParam of mouse messages.
constexpr UINT MK_LBUTTON = 0x0001;
constexpr UINT MK_SHIFT = 0x0004;
constexpr UINT MK_CONTROL = 0x0008;

// What WM_VSCROLL asks for in LOWORD(wParam); HIWORD(wParam) is the thumb's position.
constexpr UINT SB_LINEUP = 0;
constexpr UINT SB_LINEDOWN = 1;
constexpr UINT SB_PAGEUP = 2;
constexpr UINT SB_PAGEDOWN = 3;
constexpr UINT SB_THUMBPOSITION = 4;
constexpr UINT SB_THUMBTRACK = 5;
constexpr UINT SB_TOP = 6;
constexpr UINT SB_BOTTOM = 7;
constexpr UINT SB_ENDSCROLL = 8;
// WM_HSCROLL asks with the same codes, named for their direction.
constexpr UINT SB_LINELEFT = SB_LINEUP;
constexpr UINT SB_LINERIGHT = SB_LINEDOWN;
constexpr UINT SB_PAGELEFT = SB_PAGEUP;
constexpr UINT SB_PAGERIGHT = SB_PAGEDOWN;
constexpr UINT SB_LEFT = SB_TOP;
constexpr UINT SB_RIGHT = SB_BOTTOM;
// The width of a vertical scroll bar and the height of a horizontal one; the bars take their
// room from the window's client area.
constexpr int kScrollBarSize = 17;

// Non-client hit-test codes.
constexpr UINT HTCLOSE = 20;
constexpr UINT HTHELP = 21;

// Answers to WM_GETDLGCODE: which keys a control keeps from the dialog's keyboard handling.
constexpr UINT DLGC_WANTARROWS = 0x0001;
constexpr UINT DLGC_WANTTAB = 0x0002;
constexpr UINT DLGC_WANTALLKEYS = 0x0004;
constexpr UINT DLGC_HASSETSEL = 0x0008;
constexpr UINT DLGC_DEFPUSHBUTTON = 0x0010;
constexpr UINT DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr UINT DLGC_WANTCHARS = 0x0080;
constexpr UINT DLGC_STATIC = 0x0100;
constexpr UINT DLGC_BUTTON = 0x2000;

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;
