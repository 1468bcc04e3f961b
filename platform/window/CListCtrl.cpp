#include "platform/window/CListCtrl.h"

#include <algorithm>
#include <cwchar>
#include <utility>
#include <vector>

#include "platform/window/ListViewState.h"
#include "platform/window/WindowSnapshot.h"
#include "platform/window/WindowStyles.h"

using platform::FindWindowRecord;
using platform::FindWindowState;
using platform::ListViewColumn;
using platform::ListViewItem;
using platform::ListViewState;

namespace {

int HeaderHeight(const ListViewState& state) {
    return state.header ? CListCtrl::kHeaderHeight : 0;
}

int ColumnLeft(const ListViewState& state, int column) {
    int left = 0;
    for (int i = 0; i < column; ++i) {
        left += state.columns[static_cast<std::size_t>(i)].width;
    }
    return left;
}

int ColumnsWidth(const ListViewState& state) {
    return ColumnLeft(state, static_cast<int>(state.columns.size()));
}

int RowsThatFit(int height) {
    return std::max(1, height / CListCtrl::kRowHeight);
}

// Each bar takes room the other may then need: more rows than fit give the vertical bar, which
// narrows the rows, and columns wider than the rows give the horizontal bar, which lowers them.
void ShowScrollBarsAsNeeded(platform::WindowRecord& record, const ListViewState& state) {
    const int width = record.rect.Width();
    const int height = record.rect.Height() - HeaderHeight(state);
    const int rows = static_cast<int>(state.items.size());
    bool vertical = false;
    bool horizontal = false;
    for (int pass = 0; pass < 2; ++pass) {
        vertical = rows > RowsThatFit(height - (horizontal ? kScrollBarSize : 0));
        horizontal = ColumnsWidth(state) > width - (vertical ? kScrollBarSize : 0);
    }
    record.style = vertical ? record.style | WS_VSCROLL : record.style & ~WS_VSCROLL;
    record.style = horizontal ? record.style | WS_HSCROLL : record.style & ~WS_HSCROLL;
}

// After rows or columns come, go or change width the list stays scrolled where it may, and the
// scroll bars show as the rows and columns need.
void KeepScrolledWithinContent(HWND list) {
    if (const auto* state = FindWindowState<ListViewState>(list)) {
        platform::ScrollListTo(list, state->top, state->left);
    }
}

}  // namespace

namespace platform {

CRect ListClientRect(HWND list) {
    CRect client;
    if (CWnd* window = CWnd::FromHandle(list)) {
        window->GetClientRect(&client);
    }
    return client;
}

int ListRowsPerPage(HWND list) {
    const auto* state = FindWindowState<ListViewState>(list);
    return state ? RowsThatFit(ListClientRect(list).Height() - HeaderHeight(*state)) : 1;
}

void ScrollListTo(HWND list, int top) {
    if (const auto* state = FindWindowState<ListViewState>(list)) {
        ScrollListTo(list, top, state->left);
    }
}

void ScrollListTo(HWND list, int top, int left) {
    WindowRecord* record = FindWindowRecord(list);
    auto* state = FindWindowState<ListViewState>(list);
    if (!record || !state) {
        return;
    }
    ShowScrollBarsAsNeeded(*record, *state);
    const int count = static_cast<int>(state->items.size());
    top = std::clamp(top, 0, std::max(count - ListRowsPerPage(list), 0));
    const int scrollable =
        (record->style & WS_HSCROLL) != 0 ? ColumnsWidth(*state) - ListClientRect(list).Width() : 0;
    left = std::clamp(left, 0, std::max(scrollable, 0));
    const int dx = state->left - left;
    const int dy = (state->top - top) * CListCtrl::kRowHeight;
    state->top = top;
    state->left = left;
    for (HWND child : record->children) {
        if (child != state->header) {
            FindWindowRecord(child)->rect.OffsetRect(dx, dy);
        }
    }
    BumpWindowRevision();
}

}  // namespace platform

int CHeaderCtrl::GetItemCount() const {
    const platform::WindowRecord* record = FindWindowRecord(m_hWnd);
    const auto* list = record ? FindWindowState<ListViewState>(record->parent) : nullptr;
    return list ? static_cast<int>(list->columns.size()) : -1;
}

int CListCtrl::InsertColumn(int nCol, LPCWSTR heading, int format, int width, int) {
    auto* state = FindWindowState<ListViewState>(m_hWnd);
    if (!state || nCol < 0) {
        return -1;
    }
    nCol = std::min(nCol, static_cast<int>(state->columns.size()));
    state->columns.insert(state->columns.begin() + nCol,
                          ListViewColumn{heading, format, width < 0 ? kDefaultColumnWidth : width});
    for (ListViewItem& item : state->items) {
        if (state->columns.size() > 1) {
            item.cells.insert(item.cells.begin() + nCol, CString());
        }
    }
    KeepScrolledWithinContent(m_hWnd);
    return nCol;
}

BOOL CListCtrl::DeleteColumn(int nCol) {
    auto* state = FindWindowState<ListViewState>(m_hWnd);
    if (!state || !state->IsColumn(nCol)) {
        return FALSE;
    }
    state->columns.erase(state->columns.begin() + nCol);
    for (ListViewItem& item : state->items) {
        if (item.cells.size() > 1) {
            item.cells.erase(item.cells.begin() + nCol);
        }
    }
    KeepScrolledWithinContent(m_hWnd);
    return TRUE;
}

BOOL CListCtrl::GetColumn(int nCol, LVCOLUMN* column) const {
    const auto* state = FindWindowState<ListViewState>(m_hWnd);
    if (!state || !state->IsColumn(nCol) || !column) {
        return FALSE;
    }
    const ListViewColumn& source = state->columns[static_cast<std::size_t>(nCol)];
    if (column->mask & LVCF_FMT) {
        column->fmt = source.format;
    }
    if (column->mask & LVCF_WIDTH) {
        column->cx = source.width;
    }
    if ((column->mask & LVCF_TEXT) && column->pszText && column->cchTextMax > 0) {
        const auto size = static_cast<std::size_t>(column->cchTextMax);
        std::wcsncpy(column->pszText, source.heading.GetString(), size - 1);
        column->pszText[size - 1] = L'\0';
    }
    return TRUE;
}

int CListCtrl::GetColumnWidth(int nCol) const {
    const auto* state = FindWindowState<ListViewState>(m_hWnd);
    return state && state->IsColumn(nCol) ? state->columns[static_cast<std::size_t>(nCol)].width
                                          : 0;
}

BOOL CListCtrl::SetColumnWidth(int nCol, int width) {
    auto* state = FindWindowState<ListViewState>(m_hWnd);
    if (!state || !state->IsColumn(nCol) || width < 0) {
        return FALSE;
    }
    state->columns[static_cast<std::size_t>(nCol)].width = width;
    KeepScrolledWithinContent(m_hWnd);
    return TRUE;
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const {
    const auto* state = FindWindowState<ListViewState>(m_hWnd);
    return state ? dynamic_cast<CHeaderCtrl*>(FromHandle(state->header)) : nullptr;
}

int CListCtrl::InsertItem(int nItem, LPCWSTR label) {
    auto* state = FindWindowState<ListViewState>(m_hWnd);
    if (!state || nItem < 0) {
        return -1;
    }
    nItem = std::min(nItem, static_cast<int>(state->items.size()));
    state->items.insert(state->items.begin() + nItem, state->NewItem(label));
    KeepScrolledWithinContent(m_hWnd);
    return nItem;
}

BOOL CListCtrl::DeleteItem(int nItem) {
    auto* state = FindWindowState<ListViewState>(m_hWnd);
    if (!state || !state->IsItem(nItem)) {
        return FALSE;
    }
    state->items.erase(state->items.begin() + nItem);
    KeepScrolledWithinContent(m_hWnd);
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems() {
    auto* state = FindWindowState<ListViewState>(m_hWnd);
    if (!state) {
        return FALSE;
    }
    state->items.clear();
    KeepScrolledWithinContent(m_hWnd);
    return TRUE;
}

int CListCtrl::GetItemCount() const {
    const auto* state = FindWindowState<ListViewState>(m_hWnd);
    return state ? static_cast<int>(state->items.size()) : 0;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCWSTR text) {
    auto* state = FindWindowState<ListViewState>(m_hWnd);
    if (!state || !state->IsItem(nItem) || (nSubItem != 0 && !state->IsColumn(nSubItem))) {
        return FALSE;
    }
    state->ItemAt(nItem).cells[static_cast<std::size_t>(nSubItem)] = text;
    return TRUE;
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    const auto* state = FindWindowState<ListViewState>(m_hWnd);
    if (!state || !state->IsItem(nItem) || nSubItem < 0) {
        return {};
    }
    const std::vector<CString>& cells = state->ItemAt(nItem).cells;
    return static_cast<std::size_t>(nSubItem) < cells.size()
               ? cells[static_cast<std::size_t>(nSubItem)]
               : CString();
}

UINT CListCtrl::GetItemState(int nItem, UINT mask) const {
    const auto* state = FindWindowState<ListViewState>(m_hWnd);
    return state && state->IsItem(nItem) ? state->ItemAt(nItem).state & mask : 0;
}

BOOL CListCtrl::SetItemState(int nItem, UINT itemState, UINT mask) {
    auto* state = FindWindowState<ListViewState>(m_hWnd);
    if (!state || (nItem != -1 && !state->IsItem(nItem))) {
        return FALSE;
    }
    for (int i = 0; i < static_cast<int>(state->items.size()); ++i) {
        if (nItem == -1 || i == nItem) {
            ListViewItem& item = state->ItemAt(i);
            item.state = (item.state & ~mask) | (itemState & mask);
        }
    }
    return TRUE;
}

int CListCtrl::GetNextItem(int nItem, int flags) const {
    const auto* state = FindWindowState<ListViewState>(m_hWnd);
    if (!state) {
        return -1;
    }
    const UINT wanted =
        ((flags & LVNI_SELECTED) ? LVIS_SELECTED : 0) | ((flags & LVNI_FOCUSED) ? LVIS_FOCUSED : 0);
    for (int i = std::max(nItem + 1, 0); i < static_cast<int>(state->items.size()); ++i) {
        if ((state->ItemAt(i).state & wanted) == wanted) {
            return i;
        }
    }
    return -1;
}

UINT CListCtrl::GetSelectedCount() const {
    const auto* state = FindWindowState<ListViewState>(m_hWnd);
    if (!state) {
        return 0;
    }
    return static_cast<UINT>(
        std::count_if(state->items.begin(), state->items.end(),
                      [](const ListViewItem& item) { return (item.state & LVIS_SELECTED) != 0; }));
}

int CListCtrl::GetTopIndex() const {
    const auto* state = FindWindowState<ListViewState>(m_hWnd);
    return state ? state->top : 0;
}

int CListCtrl::GetCountPerPage() const {
    return platform::ListRowsPerPage(m_hWnd);
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK) {
    const auto* state = FindWindowState<ListViewState>(m_hWnd);
    if (!state || !state->IsItem(nItem)) {
        return FALSE;
    }
    const int page = GetCountPerPage();
    const bool partlyShown =
        nItem == state->top + page &&
        HeaderHeight(*state) + page * kRowHeight < platform::ListClientRect(m_hWnd).Height();
    if (nItem < state->top) {
        platform::ScrollListTo(m_hWnd, nItem);
    } else if (nItem >= state->top + page && !(bPartialOK && partlyShown)) {
        platform::ScrollListTo(m_hWnd, nItem - page + 1);
    }
    return TRUE;
}

BOOL CListCtrl::Scroll(CSize size) {
    const auto* state = FindWindowState<ListViewState>(m_hWnd);
    if (!state) {
        return FALSE;
    }
    const int half = size.cy < 0 ? -kRowHeight / 2 : kRowHeight / 2;
    platform::ScrollListTo(m_hWnd, state->top + (size.cy + half) / kRowHeight,
                           state->left + size.cx);
    return TRUE;
}

BOOL CListCtrl::GetOrigin(LPPOINT point) const {
    const auto* state = FindWindowState<ListViewState>(m_hWnd);
    if (!state || !point) {
        return FALSE;
    }
    *point = POINT{state->left, 0};
    return TRUE;
}

DWORD CListCtrl::SetExtendedStyle(DWORD exStyle) {
    auto* state = FindWindowState<ListViewState>(m_hWnd);
    if (!state) {
        return 0;
    }
    return std::exchange(state->extendedStyle, exStyle);
}

DWORD CListCtrl::GetExtendedStyle() const {
    const auto* state = FindWindowState<ListViewState>(m_hWnd);
    return state ? state->extendedStyle : 0;
}

BOOL CListCtrl::GetSubItemRect(int nItem, int nSubItem, int area, CRect& rect) const {
    const auto* state = FindWindowState<ListViewState>(m_hWnd);
    if (!state || !state->IsItem(nItem) || !state->IsColumn(nSubItem)) {
        return FALSE;
    }
    const int top = HeaderHeight(*state) + (nItem - state->top) * kRowHeight;
    const int left = ColumnLeft(*state, nSubItem) - state->left;
    const int width = state->columns[static_cast<std::size_t>(nSubItem)].width;
    switch (area) {
        case LVIR_ICON:
            rect = CRect(left, top, left, top + kRowHeight);
            break;
        case LVIR_BOUNDS:
            rect = nSubItem == 0 ? CRect(-state->left, top, ColumnsWidth(*state) - state->left,
                                         top + kRowHeight)
                                 : CRect(left, top, left + width, top + kRowHeight);
            break;
        default:
            rect = CRect(left, top, left + width, top + kRowHeight);
            break;
    }
    return TRUE;
}

int CListCtrl::SubItemHitTest(LPLVHITTESTINFO info) const {
    const auto* state = FindWindowState<ListViewState>(m_hWnd);
    if (!info) {
        return -1;
    }
    info->iItem = -1;
    info->iSubItem = -1;
    info->flags = LVHT_NOWHERE;
    CRect client;
    GetClientRect(&client);
    if (!state || info->pt.y < HeaderHeight(*state) || info->pt.y >= client.bottom ||
        info->pt.x < 0 || info->pt.x >= client.right) {
        return -1;
    }
    const int x = info->pt.x + state->left;
    const int row = state->top + (info->pt.y - HeaderHeight(*state)) / kRowHeight;
    if (!state->IsItem(row)) {
        return -1;
    }
    for (int column = 0; column < static_cast<int>(state->columns.size()); ++column) {
        const int left = ColumnLeft(*state, column);
        if (x >= left && x < left + state->columns[column].width) {
            info->iItem = row;
            info->iSubItem = column;
            info->flags = LVHT_ONITEMLABEL;
            return row;
        }
    }
    if (state->extendedStyle & LVS_EX_FULLROWSELECT) {
        info->iItem = row;
        info->flags = LVHT_ONITEMLABEL;
    }
    return info->iItem;
}

int CListCtrl::HitTest(CPoint point, UINT* flags) const {
    LVHITTESTINFO info;
    info.pt = point;
    const int item = SubItemHitTest(&info);
    if (flags) {
        *flags = info.flags;
    }
    return item;
}
