#include "controls/CDoubleEditEx.h"

#include <string_view>
#include <utility>

namespace {

constexpr const wchar_t* kNumeralCharacters = L".0123456789";
constexpr UINT IDS_REFUSED_CHARACTER_TITLE = 2252;
constexpr UINT IDS_REFUSED_CHARACTER_TEXT = 2253;

bool IsNumeral(UINT ch) {
    return std::wstring_view(kNumeralCharacters).find(static_cast<wchar_t>(ch)) !=
           std::wstring_view::npos;
}

// Control characters (Backspace, Ctrl+V) are keys, not text to refuse.
bool IsRefused(UINT ch) {
    return ch >= 0x20 && ch != 0x7F && !IsNumeral(ch);
}

}  // namespace

// The box handles its own change notification, so the dialog never hears of it.
BEGIN_MESSAGE_MAP(CDoubleEditEx, CWnd)
ON_CONTROL_REFLECT(EN_CHANGE, &CDoubleEditEx::OnEnChange)
ON_WM_CHAR()
END_MESSAGE_MAP()

CDoubleEditEx::CDoubleEditEx() = default;

CDoubleEditEx::~CDoubleEditEx() = default;

// The character filter as first written put back the last accepted text after the change, which
// sent the caret to the start: a stray "x" between "0.1" and "9" made 90.1. A refused character
// now changes nothing at all, as the platform's number box refuses it.
void CDoubleEditEx::OnChar(UINT ch, UINT repeatCount, UINT flags) {
    if (IsRefused(ch)) {
        ShowRefusal();
        return;
    }
    BeforeInput before;
    GetWindowText(before.text);
    GetSel(before.selStart, before.selEnd);
    m_beforeInput = std::move(before);
    CEdit::OnChar(ch, repeatCount, flags);
    m_beforeInput.reset();
}

void CDoubleEditEx::ShowRefusal() {
    CString title;
    title.LoadString(IDS_REFUSED_CHARACTER_TITLE);
    CString text;
    text.LoadString(IDS_REFUSED_CHARACTER_TEXT);
    ShowBalloonTip(title, text, TTI_ERROR);
}

// An empty box is allowed and keeps the last accepted text for the next refusal. Putting the
// text back raises this notification once more, and the restored text passes.
void CDoubleEditEx::OnEnChange() {
    CString text;
    GetWindowText(text);
    if (text.IsEmpty()) {
        return;
    }
    if (text.SpanIncluding(kNumeralCharacters).GetLength() == text.GetLength()) {
        m_strLastAccepted = text;
        return;
    }
    if (const std::optional<BeforeInput> before = std::exchange(m_beforeInput, std::nullopt)) {
        ShowRefusal();
        SetWindowText(before->text);
        SetSel(before->selStart, before->selEnd);
        return;
    }
    SetWindowText(m_strLastAccepted);
}
