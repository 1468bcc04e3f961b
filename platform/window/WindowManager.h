#pragma once

#include <memory>
#include <vector>

#include "platform/CString.h"
#include "platform/window/Geometry.h"
#include "platform/window/WindowMessages.h"

class CWnd;

// The window manager: every window's state, the keyboard focus, and message delivery. A
// window is a record here; a CWnd object is attached to it to receive its messages. While no
// object of the program is attached, a stand-in object of the window's own class receives
// them, so a pointer from CWnd::FromHandle can always be cast to the class of its window.
namespace platform {

// A control's own data, kept with its window.
class WindowState {
public:
    virtual ~WindowState() = default;
};

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

// What all windows of one kind share: their built-in behaviour, their stand-in and their data.
struct WindowClass {
    WNDPROC procedure;
    std::unique_ptr<CWnd> (*createStandIn)();
    std::unique_ptr<WindowState> (*createState)();
};

struct WindowRecord {
    HWND handle = nullptr;
    const WindowClass* windowClass = nullptr;
    HWND parent = nullptr;
    // A top-level window lying over its owner (a dropped list over its box); it goes with it.
    HWND owner = nullptr;
    std::vector<HWND> children;  // in creation order, which is also the tab order
    int id = 0;
    CString text;
    DWORD style = 0;
    DWORD exStyle = 0;
    CRect rect;  // pixels, in the parent's client area
    HFONT font = nullptr;
    CWnd* object = nullptr;  // the attached object, else the stand-in
    std::unique_ptr<CWnd> standIn;
    std::unique_ptr<WindowState> state;
};

struct WindowCreation {
    const WindowClass* windowClass = nullptr;
    HWND parent = nullptr;
    HWND owner = nullptr;  // a top-level window (no parent) owned by this one
    int id = 0;
    CString text;
    DWORD style = 0;
    DWORD exStyle = 0;
    CRect rect;              // in the parent's client area; on the screen for a top-level window
    CWnd* object = nullptr;  // attached before WM_CREATE; null to use the stand-in
};

// Creates the window and sends it WM_CREATE; null when it answers -1. Text given here is
// the window's initial text and sends no notification.
HWND CreateWindowHandle(const WindowCreation& creation);
// Destroys the window, its children and the windows it owns, sending nothing: objects are
// detached and a focus or mouse capture inside is dropped. Memory is released once no message is
// being delivered.
void DestroyWindowHandle(HWND window);

WindowRecord* FindWindowRecord(HWND window);

template <typename State>
State* FindWindowState(HWND window) {
    WindowRecord* record = FindWindowRecord(window);
    return record ? dynamic_cast<State*>(record->state.get()) : nullptr;
}

// True when window is ancestor itself or lies inside it.
bool IsWithin(HWND window, HWND ancestor);
// The first direct child with this id.
HWND FindChild(HWND parent, int id);
// The first window with this id: a direct child first, then deeper down in creation order.
HWND FindDescendant(HWND root, int id);

// The windows this one owns, in creation order.
std::vector<HWND> OwnedWindows(HWND owner);

// The screen's work area, in the window system's pixels, that top-level windows are placed
// within (a dropped list opens above its box when there is no room below). A screen in front of
// the window system tells its own; without one it is a 1920 by 1080 screen.
CRect ScreenArea();
void SetScreenArea(const CRect& area);

// The window's rectangle on the screen, and a point of one window's client area in another's.
CRect ScreenRectOf(HWND window);
CPoint MapPoint(HWND from, HWND to, CPoint point);

// The window the person's mouse reaches when it is over this one: the window holding the
// mouse capture if any, else this one; the point is moved into that window's client area.
HWND MouseTarget(HWND under, CPoint& point);

// The behaviour every window class falls back to: keeps the text, wants no keys.
LRESULT DefaultWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A control tells its parent about a change: WM_COMMAND with the control's id and the code.
void NotifyParent(HWND control, UINT code);

}  // namespace platform

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
BOOL IsWindow(HWND window);
// Enabled and visible mean the window and all its parents are.
BOOL IsWindowEnabled(HWND window);
BOOL IsWindowVisible(HWND window);
// Returns whether the window was disabled. A window that is disabled loses the focus.
BOOL EnableWindow(HWND window, BOOL enable);
// Returns whether the window was visible. Hiding the window that holds the focus hands the
// focus to its parent.
BOOL ShowWindow(HWND window, int command);
HWND GetFocus();
// The window losing the focus hears of it first (WM_KILLFOCUS), then the one gaining it
// (WM_SETFOCUS). A disabled window cannot take the focus: the result is then null and nothing
// changes; otherwise it is the window that had the focus.
HWND SetFocus(HWND window);
// While a window holds the capture it gets every mouse message, wherever the mouse is (a
// dropped list closes on a click outside it). Returns the window that held it.
HWND SetCapture(HWND window);
HWND GetCapture();
BOOL ReleaseCapture();
