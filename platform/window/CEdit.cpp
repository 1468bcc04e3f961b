#include "platform/window/CEdit.h"

#include "platform/MessageSink.h"
#include "platform/window/CDialog.h"
#include "platform/window/EditText.h"
#include "platform/window/WindowStyles.h"

using platform::FindWindowRecord;
using platform::FindWindowState;
using platform::WindowRecord;

namespace {

using namespace platform::edit;

// LimitText(0) gives the platform's largest limit, which differs for single-line and multi-line
// boxes.
constexpr UINT kLargestSingleLineLimit = 0x7FFFFFFE;
constexpr UINT kLargestMultiLineLimit = 0xFFFFFFFF;

// The characters of the Ctrl keys the box acts on.
constexpr wchar_t kSelectAllCharacter = 0x01;  // Ctrl+A
constexpr wchar_t kCopyCharacter = 0x03;       // Ctrl+C
constexpr wchar_t kPasteCharacter = 0x16;      // Ctrl+V
constexpr wchar_t kCutCharacter = 0x18;        // Ctrl+X
constexpr wchar_t kUndoCharacter = 0x1A;       // Ctrl+Z

// A multi-line box placed on a dialog takes every key but acts for the dialog where the platform
// does: Enter presses the default button (unless the box wants returns), Tab moves on, Escape
// closes the dialog. Inside another window, such as a table's cell editor, it leaves those keys
// to its owner.
HWND OwningDialog(HWND window) {
    const WindowRecord* record = FindWindowRecord(window);
    const WindowRecord* parent = record ? FindWindowRecord(record->parent) : nullptr;
    return IsMultiLine(window) && parent && parent->windowClass == &platform::DialogWindowClass()
               ? record->parent
               : nullptr;
}

bool WantsReturn(HWND window) {
    return (FindWindowRecord(window)->style & ES_WANTRETURN) != 0;
}

void PressDefaultButton(HWND dialog) {
    const auto defaultId = static_cast<LRESULT>(SendMessage(dialog, DM_GETDEFID, 0, 0));
    if (HIWORD(defaultId) != DC_HASDEFID) {
        return;
    }
    // The platform moves the focus to the default button before pressing it, so the box hears
    // that it lost the focus first.
    const HWND button = platform::FindChild(dialog, LOWORD(defaultId));
    if (button && IsWindowEnabled(button)) {
        SetFocus(button);
        SendMessage(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(defaultId), BN_CLICKED),
                    reinterpret_cast<LPARAM>(button));
    }
}

void TypeCharacter(HWND window, wchar_t ch) {
    switch (ch) {
        case VK_BACK:
            DeleteByUser(window, true);
            break;
        case kSelectAllCharacter:
            SelectRange(window, 0, -1);
            break;
        case kCopyCharacter:
            SendMessage(window, WM_COPY, 0, 0);
            break;
        case kCutCharacter:
            SendMessage(window, WM_CUT, 0, 0);
            break;
        case kPasteCharacter:
            SendMessage(window, WM_PASTE, 0, 0);
            break;
        case kUndoCharacter:
            SendMessage(window, WM_UNDO, 0, 0);
            break;
        default:
            if (ch == L'\r' && OwningDialog(window) && WantsReturn(window)) {
                InsertByUser(window, L"\r\n");
            } else if (ch >= 0x20) {
                TypeByUser(window, ch);
            }
            break;
    }
}

void PressDialogKey(HWND window, UINT key) {
    const HWND dialog = OwningDialog(window);
    if (!dialog) {
        return;
    }
    if (key == VK_RETURN && !WantsReturn(window)) {
        PressDefaultButton(dialog);
    } else if (key == VK_TAB) {
        SendMessage(dialog, WM_NEXTDLGCTL, 0, 0);
    } else if (key == VK_ESCAPE) {
        SendMessage(dialog, WM_CLOSE, 0, 0);
    }
}

void PressKey(HWND window, UINT key) {
    switch (key) {
        case VK_RETURN:
        case VK_TAB:
        case VK_ESCAPE:
            PressDialogKey(window, key);
            break;
        case VK_DELETE:
            DeleteByUser(window, false);
            break;
        case VK_LEFT:
        case VK_UP:
            MoveCaret(window, false);
            break;
        case VK_RIGHT:
        case VK_DOWN:
            MoveCaret(window, true);
            break;
        default:
            break;
    }
}

BOOL ShowBalloon(HWND window, const EDITBALLOONTIP* tip) {
    if (!tip || tip->cbStruct != sizeof(EDITBALLOONTIP)) {
        return FALSE;
    }
    platform::BalloonTip balloon{tip->pszTitle, tip->pszText, tip->ttiIcon};
    StateOf(window).balloon = balloon;
    GetMessageSink().Show({ShownMessage::Kind::BalloonTip, balloon.title, balloon.text,
                           static_cast<UINT>(balloon.icon)});
    return TRUE;
}

UINT DialogCode(HWND window) {
    const UINT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    return IsMultiLine(window) ? code | DLGC_WANTALLKEYS : code;
}

LRESULT EditProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
            return DialogCode(window);
        case WM_SETTEXT:
            SetTextByProgram(window, reinterpret_cast<LPCWSTR>(lParam));
            return TRUE;
        case WM_CHAR:
            TypeCharacter(window, static_cast<wchar_t>(wParam));
            return 1;
        case EM_REPLACESEL:
            InsertByUser(window, lParam ? reinterpret_cast<LPCWSTR>(lParam) : L"", wParam != 0);
            return 0;
        case WM_COPY:
            Copy(window);
            return 0;
        case WM_CUT:
            Cut(window);
            return 0;
        case WM_PASTE:
            Paste(window);
            return 0;
        case WM_UNDO:
        case EM_UNDO:
            return Undo(window);
        case EM_CANUNDO:
            return StateOf(window).undo.has_value();
        case EM_EMPTYUNDOBUFFER:
            StateOf(window).undo.reset();
            return 0;
        case WM_KEYDOWN:
            PressKey(window, static_cast<UINT>(wParam));
            return 0;
        case WM_LBUTTONDOWN: {
            const int length = FindWindowRecord(window)->text.GetLength();
            SelectRange(window, length, length);
            SetFocus(window);
            return 0;
        }
        case WM_SETFOCUS:
            platform::NotifyParent(window, EN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            StateOf(window).balloon.reset();
            platform::NotifyParent(window, EN_KILLFOCUS);
            return 0;
        case EM_SETSEL:
            SelectRange(window, static_cast<int>(wParam), static_cast<int>(lParam));
            return 0;
        case EM_SHOWBALLOONTIP:
            return ShowBalloon(window, reinterpret_cast<const EDITBALLOONTIP*>(lParam));
        case EM_HIDEBALLOONTIP:
            StateOf(window).balloon.reset();
            return TRUE;
        default:
            return platform::DefaultWindowProcedure(window, message, wParam, lParam);
    }
}

}  // namespace

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    if (m_hWnd) {
        return FALSE;
    }
    platform::WindowCreation creation;
    creation.windowClass = &platform::EditWindowClass();
    creation.parent = parent ? parent->m_hWnd : nullptr;
    creation.id = static_cast<int>(id);
    creation.style = style;
    creation.rect = rect;
    creation.object = this;
    return platform::CreateWindowHandle(creation) != nullptr;
}

void CEdit::SetSel(int start, int end, BOOL) {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void CEdit::GetSel(int& start, int& end) const {
    const auto* state = FindWindowState<EditState>(m_hWnd);
    start = state ? state->selStart : 0;
    end = state ? state->selEnd : 0;
}

void CEdit::LimitText(int chars) {
    if (auto* state = FindWindowState<EditState>(m_hWnd)) {
        const UINT largest = IsMultiLine(m_hWnd) ? kLargestMultiLineLimit : kLargestSingleLineLimit;
        state->limit = chars > 0 ? static_cast<UINT>(chars) : largest;
    }
}

void CEdit::ReplaceSel(LPCWSTR text, BOOL canUndo) {
    SendMessage(EM_REPLACESEL, static_cast<WPARAM>(canUndo), reinterpret_cast<LPARAM>(text));
}

BOOL CEdit::CanUndo() const {
    return static_cast<BOOL>(SendMessage(EM_CANUNDO));
}

BOOL CEdit::Undo() {
    return static_cast<BOOL>(SendMessage(EM_UNDO));
}

void CEdit::EmptyUndoBuffer() {
    SendMessage(EM_EMPTYUNDOBUFFER);
}

void CEdit::Copy() {
    SendMessage(WM_COPY);
}

void CEdit::Cut() {
    SendMessage(WM_CUT);
}

void CEdit::Paste() {
    SendMessage(WM_PASTE);
}

UINT CEdit::GetLimitText() const {
    const auto* state = FindWindowState<EditState>(m_hWnd);
    return state ? state->limit : 0;
}

BOOL CEdit::ShowBalloonTip(PEDITBALLOONTIP tip) {
    return static_cast<BOOL>(SendMessage(EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(tip)));
}

BOOL CEdit::ShowBalloonTip(LPCWSTR title, LPCWSTR text, int icon) {
    EDITBALLOONTIP tip;
    tip.pszTitle = title;
    tip.pszText = text;
    tip.ttiIcon = icon;
    return ShowBalloonTip(&tip);
}

BOOL CEdit::HideBalloonTip() {
    return static_cast<BOOL>(SendMessage(EM_HIDEBALLOONTIP));
}

std::optional<platform::BalloonTip> CEdit::GetVisibleBalloonTip() const {
    const auto* state = FindWindowState<EditState>(m_hWnd);
    if (!state || !IsWindowVisible()) {
        return std::nullopt;
    }
    return state->balloon;
}

namespace platform {

const WindowClass& EditWindowClass() {
    static const WindowClass kClass{
        &EditProcedure, [] { return std::unique_ptr<CWnd>(std::make_unique<CEdit>()); },
        [] { return std::unique_ptr<WindowState>(std::make_unique<EditState>()); }};
    return kClass;
}

}  // namespace platform
