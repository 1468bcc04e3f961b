#include "platform/window/CWnd.h"

#include <algorithm>

#include "platform/MessageSink.h"

#include "platform/window/CFont.h"
#include "platform/window/DataExchange.h"
#include "platform/window/WindowManager.h"
#include "platform/window/WindowSnapshot.h"
#include "platform/window/WindowStyles.h"

using platform::FindWindowRecord;
using platform::WindowRecord;

namespace {

// The first entry of the map, or of the maps it is based on, that takes this message.
const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id) {
    for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry && entry->pfn; ++entry) {
            if (entry->nMessage == message && entry->nCode == code && entry->nID <= id &&
                id <= entry->nLastID) {
                return entry;
            }
        }
    }
    return nullptr;
}

class CurrentMessageScope {
public:
    CurrentMessageScope(const MSG*& slot, const MSG& message) : m_slot(slot), m_previous(slot) {
        m_slot = &message;
    }
    ~CurrentMessageScope() { m_slot = m_previous; }
    CurrentMessageScope(const CurrentMessageScope&) = delete;
    CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;

private:
    const MSG*& m_slot;
    const MSG* m_previous;
};

}  // namespace

LRESULT AfxCallWndProc(CWnd* wnd, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const MSG current{window, message, wParam, lParam};
    CurrentMessageScope scope(wnd->m_pCurrentMessage, current);
    return wnd->WindowProc(message, wParam, lParam);
}

CWnd::~CWnd() {
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
        platform::DestroyWindowHandle(m_hWnd);
    }
}

CWnd* CWnd::FromHandle(HWND window) {
    WindowRecord* record = FindWindowRecord(window);
    return record ? record->object : nullptr;
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
    WindowRecord* record = FindWindowRecord(window);
    return record && record->object != record->standIn.get() ? record->object : nullptr;
}

BOOL CWnd::Attach(HWND window) {
    WindowRecord* record = FindWindowRecord(window);
    if (!record || m_hWnd || record->object != record->standIn.get()) {
        return FALSE;
    }
    record->object = this;
    m_hWnd = window;
    return TRUE;
}

HWND CWnd::Detach() {
    const HWND window = m_hWnd;
    if (WindowRecord* record = FindWindowRecord(window); record && record->object == this) {
        record->object = record->standIn.get();
    }
    m_hWnd = nullptr;
    return window;
}

BOOL CWnd::DestroyWindow() {
    if (!IsWindow(m_hWnd)) {
        return FALSE;
    }
    platform::DestroyWindowHandle(m_hWnd);
    m_hWnd = nullptr;
    return TRUE;
}

int CWnd::GetDlgCtrlID() const {
    const WindowRecord* record = FindWindowRecord(m_hWnd);
    return record ? record->id : 0;
}

CWnd* CWnd::GetParent() const {
    const WindowRecord* record = FindWindowRecord(m_hWnd);
    return record ? FromHandle(record->parent) : nullptr;
}

CWnd* CWnd::GetDlgItem(int id) const {
    return FromHandle(platform::FindChild(m_hWnd, id));
}

// As on the platform, through the button's messages: a window that is no button answers 0.
UINT CWnd::IsDlgButtonChecked(int id) const {
    const HWND button = platform::FindChild(m_hWnd, id);
    return button ? static_cast<UINT>(::SendMessage(button, BM_GETCHECK)) : 0;
}

void CWnd::CheckDlgButton(int id, UINT check) {
    if (const HWND button = platform::FindChild(m_hWnd, id)) {
        ::SendMessage(button, BM_SETCHECK, check);
    }
}

void CWnd::SetWindowText(LPCWSTR text) {
    ::SendMessage(m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : L""));
}

void CWnd::GetWindowText(CString& text) const {
    const WindowRecord* record = FindWindowRecord(m_hWnd);
    text = record ? record->text : CString();
}

int CWnd::GetWindowTextLength() const {
    const WindowRecord* record = FindWindowRecord(m_hWnd);
    return record ? record->text.GetLength() : 0;
}

BOOL CWnd::EnableWindow(BOOL enable) {
    return ::EnableWindow(m_hWnd, enable);
}

BOOL CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(m_hWnd);
}

BOOL CWnd::ShowWindow(int command) {
    return ::ShowWindow(m_hWnd, command);
}

BOOL CWnd::IsWindowVisible() const {
    return ::IsWindowVisible(m_hWnd);
}

DWORD CWnd::GetStyle() const {
    const WindowRecord* record = FindWindowRecord(m_hWnd);
    return record ? record->style : 0;
}

DWORD CWnd::GetExStyle() const {
    const WindowRecord* record = FindWindowRecord(m_hWnd);
    return record ? record->exStyle : 0;
}

CWnd* CWnd::SetFocus() {
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::GetFocus() {
    return FromHandle(::GetFocus());
}

void CWnd::SetFont(CFont* font, BOOL) {
    if (WindowRecord* record = FindWindowRecord(m_hWnd)) {
        record->font = font ? font->m_hObject : nullptr;
        platform::BumpWindowRevision();
    }
}

CFont* CWnd::GetFont() const {
    const WindowRecord* record = FindWindowRecord(m_hWnd);
    return record ? CFont::FromHandle(record->font) : nullptr;
}

void CWnd::MoveWindow(const RECT& rect, BOOL) {
    if (WindowRecord* record = FindWindowRecord(m_hWnd)) {
        record->rect = rect;
        platform::BumpWindowRevision();
    }
}

void CWnd::GetWindowRect(LPRECT rect) const {
    *rect = platform::ScreenRectOf(m_hWnd);
}

void CWnd::GetClientRect(LPRECT rect) const {
    const WindowRecord* record = FindWindowRecord(m_hWnd);
    if (!record) {
        *rect = CRect();
        return;
    }
    const int barWidth = (record->style & WS_VSCROLL) != 0 ? kScrollBarSize : 0;
    const int barHeight = (record->style & WS_HSCROLL) != 0 ? kScrollBarSize : 0;
    *rect = CRect(0, 0, std::max(record->rect.Width() - barWidth, 0),
                  std::max(record->rect.Height() - barHeight, 0));
}

void CWnd::Invalidate(BOOL) {}

void CWnd::UpdateWindow() {}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

int CWnd::MessageBox(LPCWSTR text, LPCWSTR caption, UINT type) const {
    return caption ? MessageBoxW(text, caption, type) : AfxMessageBox(text, type);
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) {
        result = DefWindowProc(message, wParam, lParam);
    }
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam)) {
            *result = 1;
            return TRUE;
        }
        return FALSE;
    }
    if (message == WM_REFLECT_BASE + WM_COMMAND) {
        return DispatchFromMap(message, HIWORD(wParam), 0, wParam, lParam, *result);
    }
    return DispatchFromMap(message, 0, 0, wParam, lParam, *result);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const WindowRecord* record = FindWindowRecord(m_hWnd);
    return record ? record->windowClass->procedure(m_hWnd, message, wParam, lParam) : 0;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const HWND control = reinterpret_cast<HWND>(lParam);
    if (CWnd* child = FromHandlePermanent(control)) {
        LRESULT ignored = 0;
        if (child->OnChildNotify(WM_COMMAND, wParam, lParam, &ignored)) {
            return TRUE;
        }
    }
    LRESULT ignored = 0;
    return DispatchFromMap(WM_COMMAND, HIWORD(wParam), LOWORD(wParam), wParam, lParam, ignored);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, result);
}

LRESULT CWnd::Default() {
    if (!m_pCurrentMessage) {
        return 0;
    }
    const MSG& message = *m_pCurrentMessage;
    return DefWindowProc(message.message, message.wParam, message.lParam);
}

int CWnd::OnCreate(LPCREATESTRUCT) {
    return static_cast<int>(Default());
}
void CWnd::OnSetFocus(CWnd*) {
    Default();
}
void CWnd::OnKillFocus(CWnd*) {
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnNcLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) {
    Default();
}

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
    static constexpr AFX_MSGMAP_ENTRY kEntries[] = {{0, 0, 0, 0, nullptr}};
    static constexpr AFX_MSGMAP kMessageMap = {nullptr, kEntries};
    return &kMessageMap;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const {
    return GetThisMessageMap();
}

bool CWnd::DispatchFromMap(UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam,
                           LRESULT& result) {
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(GetMessageMap(), message, code, id);
    return entry && entry->pfn(*this, wParam, lParam, result);
}
