#include "controls/CDoubleEditEx.h"

namespace {

constexpr const wchar_t* kNumeralCharacters = L".0123456789";

}  // namespace

// The box handles its own change notification, so the dialog never hears of it.
BEGIN_MESSAGE_MAP(CDoubleEditEx, CWnd)
ON_CONTROL_REFLECT(EN_CHANGE, &CDoubleEditEx::OnEnChange)
END_MESSAGE_MAP()

CDoubleEditEx::CDoubleEditEx() = default;

CDoubleEditEx::~CDoubleEditEx() = default;

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
    SetWindowText(m_strLastAccepted);
}
