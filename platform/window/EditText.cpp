#include "platform/window/EditText.h"

#include <algorithm>
#include <utility>

#include "platform/window/Clipboard.h"
#include "platform/window/WindowStyles.h"

namespace platform::edit {
namespace {

void NotifyChange(HWND window) {
    NotifyParent(window, EN_UPDATE);
    NotifyParent(window, EN_CHANGE);
}

UndoStep CurrentStep(HWND window) {
    const EditState& state = StateOf(window);
    return {FindWindowRecord(window)->text, state.selStart, state.selEnd};
}

// The one way the text changes: replace the selection by the insert and put the caret after it.
// Whoever changed the text then tells the parent.
void ReplaceSelection(HWND window, const std::wstring& insert) {
    WindowRecord* record = FindWindowRecord(window);
    EditState& state = StateOf(window);
    std::wstring text = record->text.str();
    const auto start = static_cast<std::size_t>(state.selStart);
    const auto end = static_cast<std::size_t>(state.selEnd);
    text.replace(start, end - start, insert);
    record->text = CString(std::move(text));
    state.selStart = state.selEnd = static_cast<int>(start + insert.size());
    state.balloon.reset();
}

// How many characters the person may still add in place of the selection.
std::size_t Room(HWND window) {
    const EditState& state = StateOf(window);
    const auto kept = static_cast<std::size_t>(FindWindowRecord(window)->text.GetLength() -
                                               (state.selEnd - state.selStart));
    return state.limit > kept ? state.limit - kept : 0;
}

// A change by the person: undoTo is what one undo brings back, nothing when it cannot be undone.
void ChangeByUser(HWND window, const std::wstring& insert, std::optional<UndoStep> undoTo) {
    EditState& state = StateOf(window);
    state.undo = std::move(undoTo);
    state.typing = false;
    ReplaceSelection(window, insert);
    NotifyChange(window);
}

void Insert(HWND window, std::wstring insert, std::optional<UndoStep> undoTo) {
    const std::size_t room = Room(window);
    if (insert.size() > room) {
        insert.resize(room);
        NotifyParent(window, EN_MAXTEXT);
        if (!IsWindow(window)) {
            return;
        }
    }
    const EditState& state = StateOf(window);
    if (!insert.empty() || state.selStart != state.selEnd) {
        ChangeByUser(window, insert, std::move(undoTo));
    }
}

CString SelectedText(HWND window) {
    const EditState& state = StateOf(window);
    return FindWindowRecord(window)->text.Mid(state.selStart, state.selEnd - state.selStart);
}

}  // namespace

EditState& StateOf(HWND window) {
    return *FindWindowState<EditState>(window);
}

bool IsMultiLine(HWND window) {
    return (FindWindowRecord(window)->style & ES_MULTILINE) != 0;
}

void SetTextByProgram(HWND window, LPCWSTR text) {
    EditState& state = StateOf(window);
    state.selStart = 0;
    state.selEnd = FindWindowRecord(window)->text.GetLength();
    ReplaceSelection(window, text ? text : L"");
    state.selStart = state.selEnd = 0;
    state.undo.reset();
    state.typing = false;
    if (!IsMultiLine(window)) {
        NotifyChange(window);
    }
}

void InsertByUser(HWND window, std::wstring insert, bool undoable) {
    Insert(window, std::move(insert), undoable ? std::optional(CurrentStep(window)) : std::nullopt);
}

void TypeByUser(HWND window, wchar_t ch) {
    const EditState& state = StateOf(window);
    Insert(window, std::wstring(1, ch),
           state.typing && state.undo ? state.undo : std::optional(CurrentStep(window)));
    if (IsWindow(window)) {
        StateOf(window).typing = true;
    }
}

void DeleteByUser(HWND window, bool backward) {
    EditState& state = StateOf(window);
    const UndoStep before = CurrentStep(window);
    if (state.selStart == state.selEnd) {
        const int length = FindWindowRecord(window)->text.GetLength();
        if (backward && state.selStart > 0) {
            --state.selStart;
        } else if (!backward && state.selEnd < length) {
            ++state.selEnd;
        } else {
            return;
        }
    }
    ChangeByUser(window, L"", before);
}

void Paste(HWND window) {
    std::wstring text = GetClipboardText().str();
    if (!IsMultiLine(window)) {
        text = text.substr(0, text.find_first_of(L"\r\n"));
    }
    InsertByUser(window, std::move(text));
}

void Copy(HWND window) {
    const EditState& state = StateOf(window);
    if (state.selStart != state.selEnd) {
        SetClipboardText(SelectedText(window));
    }
}

void Cut(HWND window) {
    const EditState& state = StateOf(window);
    if (state.selStart != state.selEnd) {
        Copy(window);
        ChangeByUser(window, L"", CurrentStep(window));
    }
}

bool Undo(HWND window) {
    EditState& state = StateOf(window);
    if (!state.undo) {
        return false;
    }
    const UndoStep back = *std::exchange(state.undo, CurrentStep(window));
    FindWindowRecord(window)->text = back.text;
    state.selStart = back.selStart;
    state.selEnd = back.selEnd;
    state.typing = false;
    state.balloon.reset();
    NotifyChange(window);
    return true;
}

void SelectRange(HWND window, int start, int end) {
    EditState& state = StateOf(window);
    state.typing = false;
    const int length = FindWindowRecord(window)->text.GetLength();
    if (start < 0) {
        state.selStart = state.selEnd;
        return;
    }
    if (end < 0 || end > length) {
        end = length;
    }
    start = std::min(start, length);
    state.selStart = std::min(start, end);
    state.selEnd = std::max(start, end);
}

void MoveCaret(HWND window, bool forward) {
    EditState& state = StateOf(window);
    state.typing = false;
    const int length = FindWindowRecord(window)->text.GetLength();
    int caret = forward ? state.selEnd : state.selStart;
    if (state.selStart == state.selEnd) {
        caret = std::clamp(caret + (forward ? 1 : -1), 0, length);
    }
    state.selStart = state.selEnd = caret;
}

}  // namespace platform::edit
