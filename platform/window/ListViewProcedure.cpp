#include "platform/window/CListCtrl.h"

#include <algorithm>

#include "platform/window/ListViewState.h"
#include "platform/window/WindowStyles.h"

using platform::FindWindowRecord;
using platform::FindWindowState;
using platform::ListViewItem;
using platform::ListViewState;

namespace {

void SelectOnly(ListViewState& state, int index) {
    for (ListViewItem& item : state.items) {
        item.state &= ~(LVIS_SELECTED | LVIS_FOCUSED);
    }
    if (state.IsItem(index)) {
        state.ItemAt(index).state |= LVIS_SELECTED | LVIS_FOCUSED;
    }
}

void Toggle(ListViewState& state, int index) {
    for (ListViewItem& item : state.items) {
        item.state &= ~LVIS_FOCUSED;
    }
    state.ItemAt(index).state ^= LVIS_SELECTED;
    state.ItemAt(index).state |= LVIS_FOCUSED;
}

// Selects the rows from the anchor to index; with keepOthers the rows selected before stay.
void SelectRange(ListViewState& state, int index, bool keepOthers) {
    const int from = state.IsItem(state.anchor) ? state.anchor : index;
    for (int row = 0; row < static_cast<int>(state.items.size()); ++row) {
        ListViewItem& item = state.ItemAt(row);
        item.state &= ~LVIS_FOCUSED;
        if (row >= std::min(from, index) && row <= std::max(from, index)) {
            item.state |= LVIS_SELECTED;
        } else if (!keepOthers) {
            item.state &= ~LVIS_SELECTED;
        }
    }
    state.ItemAt(index).state |= LVIS_FOCUSED;
}

void CreateHeader(HWND list) {
    const platform::WindowRecord* record = FindWindowRecord(list);
    if ((record->style & LVS_REPORT) == 0 || (record->style & LVS_NOCOLUMNHEADER) != 0) {
        return;
    }
    platform::WindowCreation creation;
    creation.windowClass = &platform::HeaderWindowClass();
    creation.parent = list;
    creation.style = WS_CHILD | WS_VISIBLE;
    creation.rect = CRect(0, 0, record->rect.Width(), CListCtrl::kHeaderHeight);
    FindWindowState<ListViewState>(list)->header = platform::CreateWindowHandle(creation);
}

void Click(HWND list, WPARAM keys, LPARAM point) {
    SetFocus(list);
    auto* state = FindWindowState<ListViewState>(list);
    auto* control = dynamic_cast<CListCtrl*>(CWnd::FromHandle(list));
    if (!state || !control) {
        return;
    }
    const int index = control->HitTest(CPoint(GET_X_LPARAM(point), GET_Y_LPARAM(point)));
    const bool multiple = (FindWindowRecord(list)->style & LVS_SINGLESEL) == 0;
    const bool ctrl = (keys & MK_CONTROL) != 0;
    if ((keys & MK_SHIFT) != 0 && multiple) {
        if (index >= 0) {
            SelectRange(*state, index, ctrl);
        }
        return;
    }
    if (ctrl && multiple) {
        if (index >= 0) {
            Toggle(*state, index);
        }
    } else {
        SelectOnly(*state, index);
    }
    state->anchor = index;
}

void PressKey(HWND list, UINT key) {
    auto* state = FindWindowState<ListViewState>(list);
    if (state->items.empty() || (key != VK_UP && key != VK_DOWN)) {
        return;
    }
    int focused = -1;
    for (int i = 0; i < static_cast<int>(state->items.size()); ++i) {
        if ((state->ItemAt(i).state & LVIS_FOCUSED) != 0) {
            focused = i;
        }
    }
    const int last = static_cast<int>(state->items.size()) - 1;
    state->anchor = std::clamp(focused + (key == VK_DOWN ? 1 : -1), 0, last);
    SelectOnly(*state, state->anchor);
}

LRESULT ListProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateHeader(window);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            Click(window, wParam, lParam);
            return 0;
        case WM_KEYDOWN:
            PressKey(window, static_cast<UINT>(wParam));
            return 0;
        default:
            return platform::DefaultWindowProcedure(window, message, wParam, lParam);
    }
}

LRESULT HeaderProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return platform::DefaultWindowProcedure(window, message, wParam, lParam);
}

}  // namespace

namespace platform {

const WindowClass& ListViewWindowClass() {
    static const WindowClass kClass{
        &ListProcedure, [] { return std::unique_ptr<CWnd>(std::make_unique<CListCtrl>()); },
        [] { return std::unique_ptr<WindowState>(std::make_unique<ListViewState>()); }};
    return kClass;
}

const WindowClass& HeaderWindowClass() {
    static const WindowClass kClass{
        &HeaderProcedure, [] { return std::unique_ptr<CWnd>(std::make_unique<CHeaderCtrl>()); },
        [] { return std::unique_ptr<WindowState>(std::make_unique<WindowState>()); }};
    return kClass;
}

}  // namespace platform
