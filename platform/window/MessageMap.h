#pragma once

#include "platform/window/WindowMessages.h"

// Message maps: one static table per class, searched before the table of the base class that
// the class names in BEGIN_MESSAGE_MAP. The first entry that matches handles the message.
//
//     // Header, inside the class:
//     DECLARE_MESSAGE_MAP()
//
//     // Source:
//     BEGIN_MESSAGE_MAP(CMyDialog, CDialog)
//         ON_BN_CLICKED(IDOK, &CMyDialog::OnBnClickedOk)
//         ON_EN_UPDATE(1001, &CMyDialog::OnUpdateValue)
//         ON_WM_NCLBUTTONDOWN()
//     END_MESSAGE_MAP()
//
// A control handles a notification it sends to its parent with ON_CONTROL_REFLECT; the parent
// then never sees it. With ON_CONTROL_REFLECT_EX the handler returns FALSE to pass it on.
class CWnd;

#define afx_msg

// Calls the handler of one entry; false when the handler declined the message.
using AFX_MSGHANDLER = bool (*)(CWnd& wnd, WPARAM wParam, LPARAM lParam, LRESULT& result);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;  // notification code of WM_COMMAND entries
    UINT nID;    // first and last control id of WM_COMMAND entries
    UINT nLastID;
    AFX_MSGHANDLER pfn;  // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// clang-format off
#define DECLARE_MESSAGE_MAP()                         \
protected:                                            \
    static const AFX_MSGMAP* GetThisMessageMap();     \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
        using ThisClass [[maybe_unused]] = theClass;                                  \
        using TheBaseClass = baseClass;                                               \
        static constexpr AFX_MSGMAP_ENTRY kEntries[] = {
#define END_MESSAGE_MAP()                                                                    \
            {0, 0, 0, 0, nullptr}};                                                          \
        static constexpr AFX_MSGMAP kMessageMap = {&TheBaseClass::GetThisMessageMap, kEntries}; \
        return &kMessageMap;                                                                 \
    }

// WM_COMMAND notifications by control id; the handler takes no arguments.
#define ON_CONTROL(code, id, memberFxn)                                                 \
    {WM_COMMAND, code, LOWORD(static_cast<UINT>(id)), LOWORD(static_cast<UINT>(id)),     \
     [](CWnd& wnd, WPARAM, LPARAM, LRESULT&) {                                          \
         (static_cast<ThisClass&>(wnd).*(memberFxn))();                                 \
         return true;                                                                   \
     }},
// The same for a range of control ids; the handler takes the control's id.
#define ON_CONTROL_RANGE(code, id, idLast, memberFxn)                                   \
    {WM_COMMAND, code, LOWORD(static_cast<UINT>(id)), LOWORD(static_cast<UINT>(idLast)), \
     [](CWnd& wnd, WPARAM wParam, LPARAM, LRESULT&) {                                   \
         (static_cast<ThisClass&>(wnd).*(memberFxn))(LOWORD(wParam));                   \
         return true;                                                                   \
     }},
#define ON_COMMAND(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)

// Notifications the control sent to its parent, handled by the control itself.
#define ON_CONTROL_REFLECT(code, memberFxn)                                             \
    {WM_REFLECT_BASE + WM_COMMAND, code, 0, 0,                                          \
     [](CWnd& wnd, WPARAM, LPARAM, LRESULT&) {                                          \
         (static_cast<ThisClass&>(wnd).*(memberFxn))();                                 \
         return true;                                                                   \
     }},
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                          \
    {WM_REFLECT_BASE + WM_COMMAND, code, 0, 0,                                          \
     [](CWnd& wnd, WPARAM, LPARAM, LRESULT&) {                                          \
         return (static_cast<ThisClass&>(wnd).*(memberFxn))() != FALSE;                 \
     }},

// Any message; the handler takes and returns the raw parameters.
#define ON_MESSAGE(message, memberFxn)                                                  \
    {message, 0, 0, 0,                                                                  \
     [](CWnd& wnd, WPARAM wParam, LPARAM lParam, LRESULT& result) {                     \
         result = (static_cast<ThisClass&>(wnd).*(memberFxn))(wParam, lParam);          \
         return true;                                                                   \
     }},

// Window messages, each to the handler of the usual name and arguments.
#define ON_WM_CREATE()                                                                  \
    {WM_CREATE, 0, 0, 0,                                                                \
     [](CWnd& wnd, WPARAM, LPARAM lParam, LRESULT& result) {                            \
         result = static_cast<ThisClass&>(wnd).OnCreate(                                \
             reinterpret_cast<LPCREATESTRUCT>(lParam));                                 \
         return true;                                                                   \
     }},
#define ON_WM_SETFOCUS()                                                                \
    {WM_SETFOCUS, 0, 0, 0,                                                              \
     [](CWnd& wnd, WPARAM wParam, LPARAM, LRESULT&) {                                   \
         static_cast<ThisClass&>(wnd).OnSetFocus(                                       \
             CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));                         \
         return true;                                                                   \
     }},
#define ON_WM_KILLFOCUS()                                                               \
    {WM_KILLFOCUS, 0, 0, 0,                                                             \
     [](CWnd& wnd, WPARAM wParam, LPARAM, LRESULT&) {                                   \
         static_cast<ThisClass&>(wnd).OnKillFocus(                                      \
             CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));                         \
         return true;                                                                   \
     }},
#define AFX_KEY_ENTRY(message, handler)                                                 \
    {message, 0, 0, 0,                                                                  \
     [](CWnd& wnd, WPARAM wParam, LPARAM lParam, LRESULT&) {                            \
         static_cast<ThisClass&>(wnd).handler(static_cast<UINT>(wParam), LOWORD(lParam), \
                                              HIWORD(lParam));                          \
         return true;                                                                   \
     }},
#define ON_WM_KEYDOWN() AFX_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_CHAR() AFX_KEY_ENTRY(WM_CHAR, OnChar)
#define AFX_MOUSE_ENTRY(message, handler)                                               \
    {message, 0, 0, 0,                                                                  \
     [](CWnd& wnd, WPARAM wParam, LPARAM lParam, LRESULT&) {                            \
         static_cast<ThisClass&>(wnd).handler(                                          \
             static_cast<UINT>(wParam), CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))); \
         return true;                                                                   \
     }},
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_NCLBUTTONDOWN() AFX_MOUSE_ENTRY(WM_NCLBUTTONDOWN, OnNcLButtonDown)
// Scroll bars are built into the windows that have them, so no scroll bar control is named.
#define ON_WM_VSCROLL()                                                                 \
    {WM_VSCROLL, 0, 0, 0,                                                               \
     [](CWnd& wnd, WPARAM wParam, LPARAM, LRESULT&) {                                   \
         static_cast<ThisClass&>(wnd).OnVScroll(LOWORD(wParam), HIWORD(wParam), nullptr); \
         return true;                                                                   \
     }},
// clang-format on
