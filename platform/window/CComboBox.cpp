#include "platform/window/CComboBox.h"

#include <vector>

using platform::FindWindowRecord;
using platform::FindWindowState;

namespace {

constexpr int kItemHeight = 16;

class ComboState : public platform::WindowState {
public:
    std::vector<CString> items;
    int selection = CB_ERR;
    bool dropped = false;
};

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

// As on the platform, the person's choice is confirmed (CBN_SELENDOK) and, when it changes the
// selection, told as a change (CBN_SELCHANGE).
void ChooseByUser(HWND window, int index) {
    const auto* state = FindWindowState<ComboState>(window);
    if (!IsIndex(*state, index)) {
        return;
    }
    const bool changed = index != state->selection;
    Select(window, index);
    platform::NotifyParent(window, CBN_SELENDOK);
    if (changed) {
        platform::NotifyParent(window, CBN_SELCHANGE);
    }
}

// A typed letter selects the next item starting with it, going round the list.
void TypeLetter(HWND window, wchar_t letter) {
    const auto* state = FindWindowState<ComboState>(window);
    const int count = static_cast<int>(state->items.size());
    for (int step = 1; step <= count; ++step) {
        const int index = (state->selection + step + count) % count;
        const CString& item = state->items[static_cast<std::size_t>(index)];
        if (!item.IsEmpty() && FoldCase(item.GetAt(0)) == FoldCase(letter)) {
            ChooseByUser(window, index);
            return;
        }
    }
}

int ItemAt(LPARAM point) {
    const int y = GET_Y_LPARAM(point) - platform::kComboFieldHeight;
    return y >= 0 ? y / kItemHeight : CB_ERR;
}

void PressKey(HWND window, UINT key) {
    const int selection = FindWindowState<ComboState>(window)->selection;
    if (key == VK_UP || key == VK_LEFT) {
        ChooseByUser(window, selection - 1);
    } else if (key == VK_DOWN || key == VK_RIGHT) {
        ChooseByUser(window, selection + 1);
    }
}

LRESULT ComboProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = FindWindowState<ComboState>(window);
    switch (message) {
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_SETTEXT:
            return CB_ERR;
        case WM_LBUTTONDOWN:
            state->dropped = true;
            SetFocus(window);
            return 0;
        case WM_LBUTTONUP:
            if (state->dropped) {
                state->dropped = false;
                ChooseByUser(window, ItemAt(lParam));
            }
            return 0;
        case WM_KILLFOCUS:
            state->dropped = false;
            return 0;
        case WM_KEYDOWN:
            PressKey(window, static_cast<UINT>(wParam));
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
    return state && state->dropped;
}

namespace platform {

const WindowClass& ComboBoxWindowClass() {
    static const WindowClass kClass{
        &ComboProcedure, [] { return std::unique_ptr<CWnd>(std::make_unique<CComboBox>()); },
        [] { return std::unique_ptr<WindowState>(std::make_unique<ComboState>()); }};
    return kClass;
}

CRect DroppedItemRect(int index, int width) {
    const int top = kComboFieldHeight + index * kItemHeight;
    return {0, top, width, top + kItemHeight};
}

}  // namespace platform
