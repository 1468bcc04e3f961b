#pragma once

#include <optional>
#include <string>

#include "platform/window/CEdit.h"

// The text of an edit box and every way it changes, shared by the box's procedure. Every change
// goes one way: a part of the text is replaced, then whoever changed it tells the parent
// EN_UPDATE and EN_CHANGE.
namespace platform::edit {

// The box as it was before its last change, which one undo brings back.
struct UndoStep {
    CString text;
    int selStart = 0;
    int selEnd = 0;
};

class EditState : public WindowState {
public:
    int selStart = 0;
    int selEnd = 0;
    UINT limit = 30000;  // the platform's until the program sets one
    std::optional<BalloonTip> balloon;
    // One level of undo, as the platform's box has: undoing twice redoes.
    std::optional<UndoStep> undo;
    // Characters typed one after another are undone together.
    bool typing = false;
};

EditState& StateOf(HWND window);
bool IsMultiLine(HWND window);

// The program replaces the whole text: the caret goes to the start, the undo step is dropped,
// and only a single-line box tells its parent.
void SetTextByProgram(HWND window, LPCWSTR text);
// The person (or EM_REPLACESEL) puts text in place of the selection, cut to the text limit with
// EN_MAXTEXT; undoable says whether one undo takes it back.
void InsertByUser(HWND window, std::wstring insert, bool undoable = true);
// A typed character: typed characters in a row make one undo step.
void TypeByUser(HWND window, wchar_t ch);
// Deletes the selection, or else the character before (backward) or after the caret.
void DeleteByUser(HWND window, bool backward);
void Paste(HWND window);
void Copy(HWND window);
void Cut(HWND window);
// Puts back the text and selection the last change replaced; false when there is nothing to undo.
bool Undo(HWND window);

// Selects from start to end as EM_SETSEL does; a start of -1 removes the selection.
void SelectRange(HWND window, int start, int end);
void MoveCaret(HWND window, bool forward);

}  // namespace platform::edit
