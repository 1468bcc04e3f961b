#include "controls/CTeskListCtrl.h"

#include <algorithm>

#include "platform/window/WindowStyles.h"

BEGIN_MESSAGE_MAP(CTeskListCtrl, CListCtrl)
ON_WM_VSCROLL()
END_MESSAGE_MAP()

CTeskListCtrl::CTeskListCtrl() = default;

CTeskListCtrl::~CTeskListCtrl() {
    if (m_cellEditor.GetSafeHwnd()) {
        m_cellEditor.DestroyWindow();
    }
}

// Past the last row there is no cell to lay the editor over, so nothing opens there. The list
// scrolls first, so the cell being edited is always in sight.
void CTeskListCtrl::ShowCellEditor(int row, int column, int textLimit) {
    if (row < 0 || row >= GetItemCount()) {
        return;
    }
    EnsureVisible(row, FALSE);
    ScrollCellIntoSight(row, column);
    CRect cell;
    GetSubItemRect(row, column, LVIR_LABEL, cell);
    const CString text = GetItemText(row, column);
    cell.top -= 2;
    cell.bottom += 2;
    if (m_cellEditor.GetSafeHwnd()) {
        m_cellEditor.MoveWindow(cell, TRUE);
        m_cellEditor.ShowWindow(SW_SHOW);
    } else {
        m_cellEditor.Create(
            WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_MULTILINE, cell,
            this, kCellEditorId);
        m_cellEditor.SetFont(GetFont());
        m_cellEditor.LimitText(textLimit);
    }
    m_cellEditor.SetWindowText(text);
    m_cellEditor.SetSel(0, -1, TRUE);
    m_cellEditor.SetFocus();
    m_nEditRow = row;
    m_nEditColumn = column;
}

// As little as shows the whole cell; a cell wider than the client area shows from its left edge.
void CTeskListCtrl::ScrollCellIntoSight(int row, int column) {
    CRect cell;
    GetSubItemRect(row, column, LVIR_LABEL, cell);
    CRect client;
    GetClientRect(&client);
    const int past = std::max(cell.right - client.right, 0);
    const int distance = std::min(past, cell.left);
    if (distance != 0) {
        Scroll(CSize(distance, 0));
    }
}

bool CTeskListCtrl::EndCellEdit(CString& text) {
    if (!IsCellEditorVisible()) {
        return false;
    }
    m_cellEditor.GetWindowText(text);
    m_cellEditor.ShowWindow(SW_HIDE);
    SetCellText(m_nEditRow, m_nEditColumn, text);
    return true;
}

bool CTeskListCtrl::CancelCellEdit() {
    if (!IsCellEditorVisible()) {
        return false;
    }
    m_cellEditor.ShowWindow(SW_HIDE);
    return true;
}

bool CTeskListCtrl::IsCellEditorVisible() const {
    return m_cellEditor.GetSafeHwnd() && m_cellEditor.IsWindowVisible();
}

void CTeskListCtrl::SetCellText(int row, int column, const CString& text) {
    SetItemText(row, column, text);
}

void CTeskListCtrl::InsertBlankItem(int index, const CString& label) {
    InsertItem(index, label);
}

bool CTeskListCtrl::ClearSelectedRows() {
    bool cleared = false;
    for (int row = GetNextItem(-1, LVNI_SELECTED); row != -1;
         row = GetNextItem(row, LVNI_SELECTED)) {
        if (!DeleteItem(row)) {
            return false;
        }
        InsertItem(row, L"");
        cleared = true;
    }
    return cleared;
}

void CTeskListCtrl::OnVScroll(UINT, UINT, CScrollBar*) {
    Default();
    Invalidate(TRUE);
    UpdateWindow();
}
