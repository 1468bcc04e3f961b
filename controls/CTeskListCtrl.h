#pragma once

#include "platform/window/CEdit.h"
#include "platform/window/CListCtrl.h"

// A report list whose cells are edited in place: one edit box, owned by the list, is laid over
// the cell being edited, filled with its text, and writes its text back into the cell when the
// edit ends. The list tells its parent nothing; the owner drives it. Opening the editor scrolls
// its cell into sight; scrolled by the person, the editor moves with its cell.
//
// The editor keeps naming the last edited cell after it closes (GetEditRow, GetEditColumn); an
// edit is in progress while the editor is visible.
class CTeskListCtrl : public CListCtrl {
public:
    static constexpr UINT kCellEditorId = 1172;

    CTeskListCtrl();
    ~CTeskListCtrl() override;

    // Lays the editor over the cell with its text selected and gives it the focus. A row that
    // does not exist opens nothing.
    void ShowCellEditor(int row, int column, int textLimit);
    // Closes the editor, storing its text into the cell; false when no edit was in progress.
    bool EndCellEdit(CString& text);
    // Closes the editor, the cell keeping its text; false when no edit was in progress.
    bool CancelCellEdit();
    bool IsCellEditorVisible() const;
    int GetEditRow() const { return m_nEditRow; }
    int GetEditColumn() const { return m_nEditColumn; }

    void SetCellText(int row, int column, const CString& text);
    void InsertBlankItem(int index, const CString& label);
    // Blanks every selected row, keeping the number of rows; false when none is selected or a
    // row cannot be replaced.
    bool ClearSelectedRows();

protected:
    afx_msg void OnVScroll(UINT code, UINT position, CScrollBar* scrollBar);
    void ScrollCellIntoSight(int row, int column);

    DECLARE_MESSAGE_MAP()

    int m_nFirstEditColumn = 0;
    int m_nLastEditColumn = 0;
    CEdit m_cellEditor;
    int m_nEditRow = -1;
    int m_nEditColumn = -1;
};
