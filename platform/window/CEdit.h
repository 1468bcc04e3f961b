#pragma once

#include <optional>

#include "platform/window/CWnd.h"
#include "platform/window/WindowManager.h"

// wParam: first character; lParam: end of the selection (-1 to the end of the text).
constexpr UINT EM_SETSEL = 0x00B1;
// lParam: the text that replaces the selection, told as one change.
constexpr UINT EM_REPLACESEL = 0x00C2;
// One level of undo: EM_UNDO (or WM_UNDO) puts back what the last change replaced, and undoing
// again redoes it; EM_CANUNDO tells whether there is anything to undo.
constexpr UINT EM_CANUNDO = 0x00C6;
constexpr UINT EM_UNDO = 0x00C7;
constexpr UINT EM_EMPTYUNDOBUFFER = 0x00CD;
constexpr UINT WM_CUT = 0x0300;
constexpr UINT WM_COPY = 0x0301;
constexpr UINT WM_PASTE = 0x0302;
constexpr UINT WM_UNDO = 0x0304;
constexpr UINT EM_SHOWBALLOONTIP = 0x1503;
constexpr UINT EM_HIDEBALLOONTIP = 0x1504;

constexpr int TTI_NONE = 0;
constexpr int TTI_INFO = 1;
constexpr int TTI_WARNING = 2;
constexpr int TTI_ERROR = 3;

struct EDITBALLOONTIP {
    DWORD cbStruct = sizeof(EDITBALLOONTIP);
    LPCWSTR pszTitle = nullptr;
    LPCWSTR pszText = nullptr;
    int ttiIcon = TTI_NONE;
};
using PEDITBALLOONTIP = EDITBALLOONTIP*;

namespace platform {

// A balloon tip as the person sees it over an edit box.
struct BalloonTip {
    CString title;
    CString text;
    int icon = TTI_NONE;
};

const WindowClass& EditWindowClass();

}  // namespace platform

// An edit box. Every change of its text goes one way: typing (one change per character),
// pasting, deleting and setting the text all replace a part of it and then tell the parent
// EN_UPDATE followed by EN_CHANGE; the new text is in place when the parent hears of it. A
// multi-line box tells nothing when the program sets its text, and the text a box is created
// with is never told. Losing the focus sends EN_KILLFOCUS. The text limit holds for what the
// person types or pastes and for EM_REPLACESEL, which cut the text to it and tell EN_MAXTEXT; not
// for text the program sets.
//
// The Ctrl keys come as their characters: Ctrl+A selects all, Ctrl+C copies, Ctrl+X cuts,
// Ctrl+V pastes, Ctrl+Z undoes. One undo takes back the last change: characters typed in a row,
// one deletion, a paste or a cut; setting the text by program leaves nothing to undo.
//
// A multi-line box gets every key before the dialog. Placed directly on a dialog it presses the
// default button for Enter (inserting a line break instead with ES_WANTRETURN), moves to the next
// tab stop for Tab and closes the dialog for Escape; inside another window (a table's cell
// editor) it leaves them to its owner and inserts nothing for them.
class CEdit : public CWnd {
public:
    // A box with an empty text, as a child of parent; false when this object has a window.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Selects from start up to end; an end of -1 selects to the end of the text, a start of
    // -1 removes the selection. Sends nothing.
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void GetSel(int& start, int& end) const;
    // Replaces the selection as the person would: one EN_UPDATE and one EN_CHANGE. Without
    // canUndo the change cannot be undone and nothing before it either.
    void ReplaceSel(LPCWSTR text, BOOL canUndo = FALSE);
    BOOL CanUndo() const;
    BOOL Undo();
    void EmptyUndoBuffer();
    void Copy();
    void Cut();
    void Paste();

    // 0 sets the largest limit the platform allows: 0x7FFFFFFE characters in a single-line box,
    // 0xFFFFFFFF in a multi-line one. Until set, the limit is 30,000.
    void LimitText(int chars = 0);
    void SetLimitText(UINT chars) { LimitText(static_cast<int>(chars)); }
    UINT GetLimitText() const;

    // The tip shows until the text changes, the box loses the focus or it is hidden; it is also
    // handed to the message sink as a balloon tip. A record of the wrong size is refused.
    BOOL ShowBalloonTip(PEDITBALLOONTIP tip);
    BOOL ShowBalloonTip(LPCWSTR title, LPCWSTR text, int icon = TTI_NONE);
    BOOL HideBalloonTip();
    std::optional<platform::BalloonTip> GetVisibleBalloonTip() const;
};
