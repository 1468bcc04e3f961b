#pragma once

#include "platform/CString.h"
#include "platform/window/Geometry.h"
#include "platform/window/MessageMap.h"
#include "platform/window/WindowMessages.h"

class CDataExchange;
class CFont;
class CScrollBar;

// A window object: attached to a window of the window manager, it receives the window's
// messages through its message map and falls back to the window's built-in behaviour.
// Every operation on an object without a window does nothing and answers empty, zero or
// FALSE, so a control that a template lacks can be used without harm.
class CWnd {
public:
    CWnd() = default;
    // Destroys the window if this object is still attached to it.
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The object receiving the window's messages; null when there is no such window.
    static CWnd* FromHandle(HWND window);
    // The object the program attached to the window; null for a window without one.
    static CWnd* FromHandlePermanent(HWND window);

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return GetSafeHwnd(); }  // NOLINT: converts as on the platform

    // Attaching makes this object receive the window's messages; false when the window does not
    // exist, this object has a window already, or the window has another attached object.
    BOOL Attach(HWND window);
    HWND Detach();
    BOOL SubclassWindow(HWND window) { return Attach(window); }
    virtual BOOL DestroyWindow();

    int GetDlgCtrlID() const;
    CWnd* GetParent() const;
    // A direct child with this id, or null.
    CWnd* GetDlgItem(int id) const;
    UINT IsDlgButtonChecked(int id) const;
    void CheckDlgButton(int id, UINT check);

    void SetWindowText(LPCWSTR text);
    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const;

    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;

    CWnd* SetFocus();
    static CWnd* GetFocus();

    // The window keeps the handle, not the object: a font deleted later reads back as null.
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;

    // Rectangles in pixels: the window's in screen coordinates, its client area from 0, 0.
    void MoveWindow(const RECT& rect, BOOL repaint = TRUE);
    void GetWindowRect(LPRECT rect) const;
    void GetClientRect(LPRECT rect) const;
    // Nothing is painted here; these keep the program's calls meaningful.
    void Invalidate(BOOL erase = TRUE);
    void UpdateWindow();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // A message box owned by this window, shown through the message sink; without a caption it
    // carries the application's, as AfxMessageBox does. Returns the button pressed.
    int MessageBox(LPCWSTR text, LPCWSTR caption = nullptr, UINT type = MB_OK) const;

    // Called with every input message for this window, and its children, before it is
    // dispatched; TRUE keeps the message from going further.
    virtual BOOL PreTranslateMessage(MSG* message);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    HWND m_hWnd = nullptr;

protected:
    virtual void DoDataExchange(CDataExchange* dx);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The built-in behaviour of the window's class.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // A notification this window sent to its parent, offered back to it first.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The built-in behaviour for the message being handled.
    LRESULT Default();

    afx_msg int OnCreate(LPCREATESTRUCT create);
    afx_msg void OnSetFocus(CWnd* oldWnd);
    afx_msg void OnKillFocus(CWnd* newWnd);
    afx_msg void OnKeyDown(UINT key, UINT repeatCount, UINT flags);
    afx_msg void OnChar(UINT ch, UINT repeatCount, UINT flags);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnNcLButtonDown(UINT hitTest, CPoint point);
    afx_msg void OnVScroll(UINT code, UINT position, CScrollBar* scrollBar);

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

private:
    friend LRESULT AfxCallWndProc(CWnd* wnd, HWND window, UINT message, WPARAM wParam,
                                  LPARAM lParam);

    bool DispatchFromMap(UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam,
                         LRESULT& result);

    const MSG* m_pCurrentMessage = nullptr;
};

// Hands one message to the object, which remembers it for Default() while it handles it.
LRESULT AfxCallWndProc(CWnd* wnd, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
