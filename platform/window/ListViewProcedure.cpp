#include "platform/window/CListCtrl.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "platform/window/KeyboardState.h"
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
    control->EnsureVisible(index, FALSE);
}

int FocusedRow(const ListViewState& state) {
    for (int i = 0; i < static_cast<int>(state.items.size()); ++i) {
        if ((state.ItemAt(i).state & LVIS_FOCUSED) != 0) {
            return i;
        }
    }
    return -1;
}

// Where a movement key takes the focus from the focused row. Page Down goes to the last row
// shown, and from there a page on, so that row becomes the first shown; Page Up likewise.
std::optional<int> RowAfterKey(HWND list, const ListViewState& state, UINT key) {
    const int focused = FocusedRow(state);
    const int page = platform::ListRowsPerPage(list);
    const int lastShown = state.top + page - 1;
    switch (key) {
        case VK_UP:
            return focused - 1;
        case VK_DOWN:
            return focused + 1;
        case VK_PRIOR:
            return focused > state.top ? state.top : focused - page + 1;
        case VK_NEXT:
            return focused < lastShown ? lastShown : focused + page - 1;
        case VK_HOME:
            return 0;
        case VK_END:
            return static_cast<int>(state.items.size()) - 1;
        default:
            return std::nullopt;
    }
}

void PressKey(HWND list, UINT key) {
    auto* state = FindWindowState<ListViewState>(list);
    const std::optional<int> target = RowAfterKey(list, *state, key);
    if (state->items.empty() || !target) {
        return;
    }
    const int row = std::clamp(*target, 0, static_cast<int>(state->items.size()) - 1);
    const bool multiple = (FindWindowRecord(list)->style & LVS_SINGLESEL) == 0;
    if (GetKeyState(VK_SHIFT) < 0 && multiple) {
        SelectRange(*state, row, false);
    } else {
        state->anchor = row;
        SelectOnly(*state, row);
    }
    dynamic_cast<CListCtrl*>(CWnd::FromHandle(list))->EnsureVisible(row, FALSE);
}

void ScrollBarAction(HWND list, WPARAM wParam) {
    const int top = FindWindowState<ListViewState>(list)->top;
    const int page = platform::ListRowsPerPage(list);
    switch (LOWORD(wParam)) {
        case SB_LINEUP:
            platform::ScrollListTo(list, top - 1);
            break;
        case SB_LINEDOWN:
            platform::ScrollListTo(list, top + 1);
            break;
        case SB_PAGEUP:
            platform::ScrollListTo(list, top - page);
            break;
        case SB_PAGEDOWN:
            platform::ScrollListTo(list, top + page);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            platform::ScrollListTo(list, HIWORD(wParam));
            break;
        case SB_TOP:
            platform::ScrollListTo(list, 0);
            break;
        case SB_BOTTOM:
            platform::ScrollListTo(
                list, static_cast<int>(FindWindowState<ListViewState>(list)->items.size()));
            break;
        default:
            break;
    }
}

// The columns scroll by pixels: a line is a few, a page the client area's width.
void HorizontalScrollBarAction(HWND list, WPARAM wParam) {
    const auto* state = FindWindowState<ListViewState>(list);
    const int left = state->left;
    const int page = platform::ListClientRect(list).Width();
    const auto scrollTo = [&](int origin) { platform::ScrollListTo(list, state->top, origin); };
    switch (LOWORD(wParam)) {
        case SB_LINELEFT:
            scrollTo(left - CListCtrl::kHorizontalLine);
            break;
        case SB_LINERIGHT:
            scrollTo(left + CListCtrl::kHorizontalLine);
            break;
        case SB_PAGELEFT:
            scrollTo(left - page);
            break;
        case SB_PAGERIGHT:
            scrollTo(left + page);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            scrollTo(HIWORD(wParam));
            break;
        case SB_LEFT:
            scrollTo(0);
            break;
        case SB_RIGHT:
            scrollTo(std::numeric_limits<int>::max());
            break;
        default:
            break;
    }
}

void TurnWheel(HWND list, WPARAM wParam) {
    const int rows = -GET_WHEEL_DELTA_WPARAM(wParam) * CListCtrl::kWheelRows / WHEEL_DELTA;
    platform::ScrollListTo(list, FindWindowState<ListViewState>(list)->top + rows);
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
        case WM_VSCROLL:
            ScrollBarAction(window, wParam);
            return 0;
        case WM_HSCROLL:
            HorizontalScrollBarAction(window, wParam);
            return 0;
        case WM_MOUSEWHEEL:
            TurnWheel(window, wParam);
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
