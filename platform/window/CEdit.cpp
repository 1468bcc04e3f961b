#include "platform/window/CEdit.h"

#include <algorithm>
#include <string>

#include "platform/MessageSink.h"
#include "platform/window/CDialog.h"
#include "platform/window/Clipboard.h"
#include "platform/window/WindowStyles.h"

using platform::FindWindowRecord;
using platform::FindWindowState;
using platform::WindowRecord;

namespace {

// The platform's limits: 30,000 characters until the program sets one; LimitText(0) gives the
// largest, which differs for single-line and multi-line boxes.
constexpr UINT kDefaultLimit = 30000;
constexpr UINT kLargestSingleLineLimit = 0x7FFFFFFE;
constexpr UINT kLargestMultiLineLimit = 0xFFFFFFFF;
constexpr wchar_t kPasteCharacter = 0x16;  // Ctrl+V

class EditState : public platform::WindowState {
public:
    int selStart = 0;
    int selEnd = 0;
    UINT limit = kDefaultLimit;
    std::optional<platform::BalloonTip> balloon;
};

bool IsMultiLine(const WindowRecord& record) {
    return (record.style & ES_MULTILINE) != 0;
}

void NotifyChange(HWND window) {
    platform::NotifyParent(window, EN_UPDATE);
    platform::NotifyParent(window, EN_CHANGE);
}

// The one way the text changes: replace the selection by the insert and put the caret after
// it. Whoever changed the text then tells the parent.
void ReplaceSelection(HWND window, const std::wstring& insert) {
    WindowRecord* record = FindWindowRecord(window);
    auto* state = FindWindowState<EditState>(window);
    std::wstring text = record->text.str();
    const auto start = static_cast<std::size_t>(state->selStart);
    const auto end = static_cast<std::size_t>(state->selEnd);
    text.replace(start, end - start, insert);
    record->text = CString(std::move(text));
    state->selStart = state->selEnd = static_cast<int>(start + insert.size());
    state->balloon.reset();
}

void ReplaceSelectionByUser(HWND window, const std::wstring& insert) {
    ReplaceSelection(window, insert);
    NotifyChange(window);
}

// The whole text is replaced and the caret goes to its start before the parent hears of it.
void SetTextByProgram(HWND window, LPCWSTR text) {
    auto* state = FindWindowState<EditState>(window);
    state->selStart = 0;
    state->selEnd = FindWindowRecord(window)->text.GetLength();
    ReplaceSelection(window, text ? text : L"");
    state->selStart = state->selEnd = 0;
    if (!IsMultiLine(*FindWindowRecord(window))) {
        NotifyChange(window);
    }
}

// How many characters the person may still add in place of the selection.
std::size_t Room(HWND window) {
    const auto* state = FindWindowState<EditState>(window);
    const auto kept = static_cast<std::size_t>(FindWindowRecord(window)->text.GetLength() -
                                               (state->selEnd - state->selStart));
    return state->limit > kept ? state->limit - kept : 0;
}

void InsertByUser(HWND window, std::wstring insert) {
    const std::size_t room = Room(window);
    if (insert.size() > room) {
        insert.resize(room);
        platform::NotifyParent(window, EN_MAXTEXT);
        if (!IsWindow(window)) {
            return;
        }
    }
    const auto* state = FindWindowState<EditState>(window);
    if (!insert.empty() || state->selStart != state->selEnd) {
        ReplaceSelectionByUser(window, insert);
    }
}

void Paste(HWND window) {
    std::wstring text = platform::GetClipboardText().str();
    if (!IsMultiLine(*FindWindowRecord(window))) {
        text = text.substr(0, text.find_first_of(L"\r\n"));
    }
    InsertByUser(window, std::move(text));
}

// Deletes the selection, or else the character before (backward) or after the caret.
void DeleteByUser(HWND window, bool backward) {
    auto* state = FindWindowState<EditState>(window);
    if (state->selStart == state->selEnd) {
        const int length = FindWindowRecord(window)->text.GetLength();
        if (backward && state->selStart > 0) {
            --state->selStart;
        } else if (!backward && state->selEnd < length) {
            ++state->selEnd;
        } else {
            return;
        }
    }
    ReplaceSelectionByUser(window, L"");
}

// A multi-line box placed on a dialog takes every key but acts for the dialog where the platform
// does: Enter presses the default button (unless the box wants returns), Tab moves on, Escape
// closes the dialog. Inside another window, such as a table's cell editor, it leaves those keys
// to its owner.
HWND OwningDialog(HWND window) {
    const WindowRecord* record = FindWindowRecord(window);
    const WindowRecord* parent = record ? FindWindowRecord(record->parent) : nullptr;
    return IsMultiLine(*record) && parent && parent->windowClass == &platform::DialogWindowClass()
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
    const HWND button = platform::FindChild(dialog, LOWORD(defaultId));
    if (button && IsWindowEnabled(button)) {
        SendMessage(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(defaultId), BN_CLICKED),
                    reinterpret_cast<LPARAM>(button));
    }
}

void TypeCharacter(HWND window, wchar_t ch) {
    if (ch == VK_BACK) {
        DeleteByUser(window, true);
    } else if (ch == kPasteCharacter) {
        Paste(window);
    } else if (ch == L'\r' && OwningDialog(window) && WantsReturn(window)) {
        InsertByUser(window, L"\r\n");
    } else if (ch >= 0x20) {
        InsertByUser(window, std::wstring(1, ch));
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

void MoveCaret(HWND window, bool forward) {
    auto* state = FindWindowState<EditState>(window);
    const int length = FindWindowRecord(window)->text.GetLength();
    int caret = forward ? state->selEnd : state->selStart;
    if (state->selStart == state->selEnd) {
        caret = std::clamp(caret + (forward ? 1 : -1), 0, length);
    }
    state->selStart = state->selEnd = caret;
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

void SelectRange(HWND window, int start, int end) {
    auto* state = FindWindowState<EditState>(window);
    const int length = FindWindowRecord(window)->text.GetLength();
    if (start < 0) {
        state->selStart = state->selEnd;
        return;
    }
    if (end < 0 || end > length) {
        end = length;
    }
    start = std::min(start, length);
    state->selStart = std::min(start, end);
    state->selEnd = std::max(start, end);
}

BOOL ShowBalloon(HWND window, const EDITBALLOONTIP* tip) {
    if (!tip || tip->cbStruct != sizeof(EDITBALLOONTIP)) {
        return FALSE;
    }
    platform::BalloonTip balloon{tip->pszTitle, tip->pszText, tip->ttiIcon};
    FindWindowState<EditState>(window)->balloon = balloon;
    GetMessageSink().Show({ShownMessage::Kind::BalloonTip, balloon.title, balloon.text,
                           static_cast<UINT>(balloon.icon)});
    return TRUE;
}

UINT DialogCode(HWND window) {
    const UINT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    return IsMultiLine(*FindWindowRecord(window)) ? code | DLGC_WANTALLKEYS : code;
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
            ReplaceSelectionByUser(window, reinterpret_cast<LPCWSTR>(lParam)
                                               ? reinterpret_cast<LPCWSTR>(lParam)
                                               : L"");
            return 0;
        case WM_KEYDOWN:
            PressKey(window, static_cast<UINT>(wParam));
            return 0;
        case WM_LBUTTONDOWN: {
            auto* state = FindWindowState<EditState>(window);
            state->selStart = state->selEnd = FindWindowRecord(window)->text.GetLength();
            SetFocus(window);
            return 0;
        }
        case WM_SETFOCUS:
            platform::NotifyParent(window, EN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            FindWindowState<EditState>(window)->balloon.reset();
            platform::NotifyParent(window, EN_KILLFOCUS);
            return 0;
        case EM_SETSEL:
            SelectRange(window, static_cast<int>(wParam), static_cast<int>(lParam));
            return 0;
        case EM_SHOWBALLOONTIP:
            return ShowBalloon(window, reinterpret_cast<const EDITBALLOONTIP*>(lParam));
        case EM_HIDEBALLOONTIP:
            FindWindowState<EditState>(window)->balloon.reset();
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
        const UINT largest = IsMultiLine(*FindWindowRecord(m_hWnd)) ? kLargestMultiLineLimit
                                                                    : kLargestSingleLineLimit;
        state->limit = chars > 0 ? static_cast<UINT>(chars) : largest;
    }
}

void CEdit::ReplaceSel(LPCWSTR text, BOOL) {
    SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
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
