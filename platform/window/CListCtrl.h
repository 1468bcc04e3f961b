#pragma once

#include "platform/window/CWnd.h"
#include "platform/window/WindowManager.h"

constexpr int LVCFMT_LEFT = 0;
constexpr int LVCFMT_RIGHT = 1;
constexpr int LVCFMT_CENTER = 2;

constexpr UINT LVCF_FMT = 0x1;
constexpr UINT LVCF_WIDTH = 0x2;
constexpr UINT LVCF_TEXT = 0x4;

constexpr UINT LVIS_FOCUSED = 0x1;
constexpr UINT LVIS_SELECTED = 0x2;

constexpr int LVNI_ALL = 0x0;
constexpr int LVNI_FOCUSED = 0x1;
constexpr int LVNI_SELECTED = 0x2;

constexpr int LVIR_BOUNDS = 0;
constexpr int LVIR_ICON = 1;
constexpr int LVIR_LABEL = 2;

constexpr UINT LVHT_NOWHERE = 0x1;
constexpr UINT LVHT_ONITEMLABEL = 0x4;

constexpr DWORD LVS_EX_GRIDLINES = 0x001;
constexpr DWORD LVS_EX_HEADERDRAGDROP = 0x010;
constexpr DWORD LVS_EX_FULLROWSELECT = 0x020;
constexpr DWORD LVS_EX_ONECLICKACTIVATE = 0x040;
constexpr DWORD LVS_EX_INFOTIP = 0x400;

struct LVCOLUMN {
    UINT mask = 0;
    int fmt = LVCFMT_LEFT;
    int cx = 0;
    LPWSTR pszText = nullptr;
    int cchTextMax = 0;
};

struct LVHITTESTINFO {
    POINT pt;
    UINT flags = 0;
    int iItem = -1;
    int iSubItem = -1;
};
using LPLVHITTESTINFO = LVHITTESTINFO*;

// The column header of a list view in report style: one item per column of the list.
class CHeaderCtrl : public CWnd {
public:
    int GetItemCount() const;
};

// A list view in report style: columns under a header, and rows (items) whose cells are the
// item's label (column 0) and its subitems. The geometry is fixed: the header is 24 pixels
// high, every row 18, each column as wide as it was made. The rows scroll vertically in whole
// rows: the top index is the first row shown right below the header, and a row above it or below
// the list's bottom has its rectangle there, out of sight, where no point hits it. While there
// are more rows than fit, the list has its vertical scroll bar (WS_VSCROLL) along its right edge;
// while the columns are wider than the rows' room, its horizontal one (WS_HSCROLL) along its
// bottom, and the columns scroll by pixels. The bars take their room from the client area, where
// the rows and cells lie. When the rows or columns scroll, the list's own child windows (a cell
// editor) move with them.
//
// A click selects the row under the mouse (with MK_CONTROL it adds or removes the row, with
// MK_SHIFT it selects the rows from the one last clicked without Shift); Up and Down move the
// selection (with Shift held they extend it), Page Up and Page Down to the first and last row
// shown and then a page further, Home and End to the first and last row; the list scrolls so that
// the row moved to shows. The wheel scrolls three rows a notch, the scroll bars as WM_VSCROLL and
// WM_HSCROLL ask.
// It sends no notifications.
class CListCtrl : public CWnd {
public:
    static constexpr int kHeaderHeight = 24;
    static constexpr int kRowHeight = 18;
    static constexpr int kDefaultColumnWidth = 100;
    static constexpr int kScrollBarWidth = kScrollBarSize;
    static constexpr int kHorizontalLine = 8;  // the pixels SB_LINELEFT and SB_LINERIGHT move
    static constexpr int kWheelRows = 3;

    // Inserts before column nCol; returns its index, or -1. A width of -1 gives the default.
    int InsertColumn(int nCol, LPCWSTR heading, int format = LVCFMT_LEFT, int width = -1,
                     int subItem = -1);
    BOOL DeleteColumn(int nCol);
    BOOL GetColumn(int nCol, LVCOLUMN* column) const;
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int nCol, int width);
    // Null without a header (no report style, or LVS_NOCOLUMNHEADER).
    CHeaderCtrl* GetHeaderCtrl() const;

    // Inserts an item with this label before nItem (past the end appends); returns its index.
    int InsertItem(int nItem, LPCWSTR label);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    // Cells exist for existing items and columns only; writing elsewhere does nothing.
    BOOL SetItemText(int nItem, int nSubItem, LPCWSTR text);
    CString GetItemText(int nItem, int nSubItem) const;

    UINT GetItemState(int nItem, UINT mask) const;
    // nItem -1 sets the state of every item.
    BOOL SetItemState(int nItem, UINT state, UINT mask);
    // The next item after nItem (-1 starts at the first) having the LVNI_ states; -1 for none.
    int GetNextItem(int nItem, int flags) const;
    UINT GetSelectedCount() const;

    // The first row shown; the rows that fit wholly below the header.
    int GetTopIndex() const;
    int GetCountPerPage() const;
    // Scrolls as little as brings the row wholly into view (with bPartialOK, partly is enough).
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    // Scrolls by size.cy pixels, rounded to whole rows (nine pixels of 18 make one), down
    // positive, and by size.cx pixels, right positive. The first row shown stays between the first
    // row and a page above the last; the columns scroll no further than their right edge reaching
    // the client area's.
    BOOL Scroll(CSize size);
    // The horizontal origin: how many pixels of the columns are scrolled off to the left (x); y is
    // zero, as the rows scroll in whole rows, told by the top index.
    BOOL GetOrigin(LPPOINT point) const;

    DWORD SetExtendedStyle(DWORD exStyle);
    DWORD GetExtendedStyle() const;

    // The cell's rectangle in the list's client coordinates; FALSE, with rect left as it was,
    // for a cell that does not exist.
    BOOL GetSubItemRect(int nItem, int nSubItem, int area, CRect& rect) const;
    // Fills iItem, iSubItem and flags for the point; returns iItem (-1 off the items).
    int SubItemHitTest(LPLVHITTESTINFO info) const;
    int HitTest(CPoint point, UINT* flags = nullptr) const;
};

namespace platform {
const WindowClass& ListViewWindowClass();
const WindowClass& HeaderWindowClass();
}  // namespace platform
