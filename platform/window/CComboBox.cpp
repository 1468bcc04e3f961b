#include "platform/window/CComboBox.h"

#include <algorithm>

#include "platform/window/ComboState.h"
#include "platform/window/DroppedList.h"

using platform::FindWindowRecord;
using platform::FindWindowState;

namespace {

using platform::ComboState;

bool IsIndex(const ComboState& state, int index) {
    return index >= 0 && index < static_cast<int>(state.items.size());
}

// Keeps the window's text equal to the selected item's.
void Select(HWND window, int index) {
    auto* state = FindWindowState<ComboState>(window);
    state->selection = IsIndex(*state, index) ? index : CB_ERR;
    FindWindowRecord(window)->text =
        state->selection == CB_ERR ? CString() : state->items[static_cast<std::size_t>(index)];
}

// The next item after from starting with the letter, going round the list; CB_ERR for none.
int NextItemStartingWith(const ComboState& state, int from, wchar_t letter) {
    const int count = static_cast<int>(state.items.size());
    for (int step = 1; step <= count; ++step) {
        const int index = (from + step + count) % count;
        const CString& item = state.items[static_cast<std::size_t>(index)];
        if (!item.IsEmpty() && FoldCase(item.GetAt(0)) == FoldCase(letter)) {
            return index;
        }
    }
    return CB_ERR;
}

// A typed letter moves to the next item starting with it: in the dropped list the highlight, in
// the closed box the choice.
void TypeLetter(HWND window, wchar_t letter) {
    const auto* state = FindWindowState<ComboState>(window);
    if (state->list) {
        const int from = platform::HighlightedItem(state->list);
        if (const int index = NextItemStartingWith(*state, from, letter); index != CB_ERR) {
            platform::HighlightItem(state->list, index);
        }
    } else {
        platform::ChooseByUser(window, NextItemStartingWith(*state, state->selection, letter));
    }
}

// In the dropped list the arrows move the highlight, Enter and F4 choose it and Escape closes the
// list; in the closed box F4 opens it and the arrows choose the item before or after.
void PressKey(HWND window, UINT key) {
    const auto* state = FindWindowState<ComboState>(window);
    const int step = key == VK_UP || key == VK_LEFT      ? -1
                     : key == VK_DOWN || key == VK_RIGHT ? 1
                                                         : 0;
    if (state->list) {
        if (step != 0) {
            platform::HighlightItem(state->list, platform::HighlightedItem(state->list) + step);
        } else if (key == VK_RETURN || key == VK_F4) {
            platform::CloseDroppedListChoosing(window);
        } else if (key == VK_ESCAPE) {
            platform::CloseDroppedList(window);
        }
    } else if (key == VK_F4) {
        platform::OpenDroppedList(window);
    } else if (step != 0) {
        platform::ChooseByUser(window, state->selection + step);
    }
}

// Alt+Down and Alt+Up open the list, and close it choosing the highlighted item.
void PressKeyWithAlt(HWND window, UINT key) {
    if (key != VK_UP && key != VK_DOWN) {
        return;
    }
    if (FindWindowState<ComboState>(window)->list) {
        platform::CloseDroppedListChoosing(window);
    } else {
        platform::OpenDroppedList(window);
    }
}

// While the list is dropped, Enter and Escape are the box's, not the dialog's.
LRESULT DialogCode(const ComboState& state, LPARAM lParam) {
    const LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    // Enter and Escape type the characters of their own key codes.
    if (state.list && message && (message->wParam == VK_RETURN || message->wParam == VK_ESCAPE)) {
        return code | DLGC_WANTALLKEYS;
    }
    return code;
}

// The template's height holds the dropped list; the box itself is as high as its field.
void TakeFieldHeight(HWND window) {
    platform::WindowRecord* record = FindWindowRecord(window);
    FindWindowState<ComboState>(window)->droppedHeight =
        std::max(record->rect.Height() - platform::kComboFieldHeight, 0);
    record->rect.bottom = record->rect.top + platform::kComboFieldHeight;
}

LRESULT ComboProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = FindWindowState<ComboState>(window);
    switch (message) {
        case WM_CREATE:
            TakeFieldHeight(window);
            return 0;
        case WM_GETDLGCODE:
            return DialogCode(*state, lParam);
        case WM_SETTEXT:
            return CB_ERR;
        case WM_LBUTTONDOWN:
            if (state->list) {
                platform::CloseDroppedList(window);
                return 0;
            }
            SetFocus(window);
            if (GetFocus() == window) {
                platform::OpenDroppedList(window);
            }
            return 0;
        case WM_KILLFOCUS:
            platform::CloseDroppedList(window);
            return 0;
        case WM_KEYDOWN:
            PressKey(window, static_cast<UINT>(wParam));
            return 0;
        case WM_SYSKEYDOWN:
            PressKeyWithAlt(window, static_cast<UINT>(wParam));
            return 0;
        case WM_CHAR:
            if (wParam >= 0x20) {
                TypeLetter(window, static_cast<wchar_t>(wParam));
            }
            return 0;
        default:
            return platform::DefaultWindowProcedure(window, message, wParam, lParam);
    }
}

}  // namespace

namespace platform {

void ChooseByUser(HWND combo, int index) {
    const auto* state = FindWindowState<ComboState>(combo);
    if (!state || !IsIndex(*state, index)) {
        return;
    }
    const bool changed = index != state->selection;
    Select(combo, index);
    NotifyParent(combo, CBN_SELENDOK);
    if (changed) {
        NotifyParent(combo, CBN_SELCHANGE);
    }
}

}  // namespace platform

int CComboBox::AddString(LPCWSTR text) {
    return InsertString(-1, text);
}

int CComboBox::InsertString(int index, LPCWSTR text) {
    auto* state = FindWindowState<ComboState>(m_hWnd);
    if (!state) {
        return CB_ERR;
    }
    const int count = static_cast<int>(state->items.size());
    if (index < 0) {
        index = count;
    } else if (index > count) {
        return CB_ERR;
    }
    state->items.insert(state->items.begin() + index, CString(text));
    if (state->selection >= index) {
        ++state->selection;
    }
    return index;
}

int CComboBox::DeleteString(UINT index) {
    auto* state = FindWindowState<ComboState>(m_hWnd);
    const int at = static_cast<int>(index);
    if (!state || !IsIndex(*state, at)) {
        return CB_ERR;
    }
    state->items.erase(state->items.begin() + at);
    if (state->selection == at) {
        Select(m_hWnd, CB_ERR);
    } else if (state->selection > at) {
        --state->selection;
    }
    return static_cast<int>(state->items.size());
}

void CComboBox::ResetContent() {
    if (auto* state = FindWindowState<ComboState>(m_hWnd)) {
        state->items.clear();
        Select(m_hWnd, CB_ERR);
    }
}

int CComboBox::GetCount() const {
    const auto* state = FindWindowState<ComboState>(m_hWnd);
    return state ? static_cast<int>(state->items.size()) : CB_ERR;
}

int CComboBox::GetCurSel() const {
    const auto* state = FindWindowState<ComboState>(m_hWnd);
    return state ? state->selection : CB_ERR;
}

int CComboBox::SetCurSel(int index) {
    const auto* state = FindWindowState<ComboState>(m_hWnd);
    if (!state) {
        return CB_ERR;
    }
    Select(m_hWnd, index);
    return state->selection;
}

void CComboBox::GetLBText(int index, CString& text) const {
    const auto* state = FindWindowState<ComboState>(m_hWnd);
    text =
        state && IsIndex(*state, index) ? state->items[static_cast<std::size_t>(index)] : CString();
}

int CComboBox::GetLBTextLen(int index) const {
    const auto* state = FindWindowState<ComboState>(m_hWnd);
    return state && IsIndex(*state, index)
               ? state->items[static_cast<std::size_t>(index)].GetLength()
               : CB_ERR;
}

int CComboBox::FindStringExact(int start, LPCWSTR text) const {
    const auto* state = FindWindowState<ComboState>(m_hWnd);
    if (!state || !text || !*text) {
        return CB_ERR;
    }
    const int count = static_cast<int>(state->items.size());
    const int first = IsIndex(*state, start) ? start + 1 : 0;
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        if (state->items[static_cast<std::size_t>(index)].CompareNoCase(text) == 0) {
            return index;
        }
    }
    return CB_ERR;
}

BOOL CComboBox::GetDroppedState() const {
    const auto* state = FindWindowState<ComboState>(m_hWnd);
    return state && state->list;
}

namespace platform {

const WindowClass& ComboBoxWindowClass() {
    static const WindowClass kClass{
        &ComboProcedure, [] { return std::unique_ptr<CWnd>(std::make_unique<CComboBox>()); },
        [] { return std::unique_ptr<WindowState>(std::make_unique<ComboState>()); }};
    return kClass;
}

}  // namespace platform
