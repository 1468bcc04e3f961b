#pragma once

#include <algorithm>
#include <vector>

#include "platform/window/CListCtrl.h"
#include "platform/window/WindowManager.h"

namespace platform {

struct ListViewColumn {
    CString heading;
    int format = LVCFMT_LEFT;
    int width = CListCtrl::kDefaultColumnWidth;
};

struct ListViewItem {
    std::vector<CString> cells;  // one per column; the first is the label
    UINT state = 0;
};

// What the window system keeps for a list view: its columns, and its items with their cells and
// states. CListCtrl's member functions address them; the list's window procedure selects items as
// the person clicks and presses keys.
class ListViewState : public WindowState {
public:
    std::vector<ListViewColumn> columns;
    std::vector<ListViewItem> items;
    DWORD extendedStyle = 0;
    HWND header = nullptr;
    int anchor = -1;  // where a Shift-click's range starts: the row last clicked without Shift
    int top = 0;      // the first row shown
    int left = 0;     // the horizontal origin: the pixels of the columns scrolled off to the left

    bool IsItem(int index) const { return index >= 0 && index < static_cast<int>(items.size()); }
    bool IsColumn(int index) const {
        return index >= 0 && index < static_cast<int>(columns.size());
    }
    ListViewItem& ItemAt(int index) { return items[static_cast<std::size_t>(index)]; }
    const ListViewItem& ItemAt(int index) const { return items[static_cast<std::size_t>(index)]; }
    ListViewItem NewItem(LPCWSTR label) const {
        ListViewItem item;
        item.cells.resize(std::max<std::size_t>(columns.size(), 1));
        item.cells[0] = label;
        return item;
    }
};

// The list's client area: its rectangle less the scroll bars it shows.
CRect ListClientRect(HWND list);
// The rows that fit wholly into the client area below the header; at least one.
int ListRowsPerPage(HWND list);
// Makes this row the first shown, kept between the first row and a page above the last, and
// scrolls the columns left by this many pixels, kept while the columns fill the client area;
// the list's child windows but its header move with the rows and columns. The vertical scroll bar
// shows while there are more rows than fit, the horizontal one while the columns are wider than
// the client area.
void ScrollListTo(HWND list, int top, int left);
// Scrolls the rows alone.
void ScrollListTo(HWND list, int top);

}  // namespace platform
