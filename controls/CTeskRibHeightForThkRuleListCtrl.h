#pragma once

#include "controls/CTeskListCtrl.h"
#include "platform/CStringList.h"

// The thickness/height table of the rib-height-for-thickness dialog: column 0 holds wall
// thicknesses, column 1 rib heights, as number texts. A click on a cell opens its editor; the
// owning dialog hands every message to TranslateEditKey first, so Tab, Enter, Escape, the
// arrows and Delete move, commit, cancel and clear. A committed text must be a plain numeral,
// and no two thicknesses may lie within 1e-6 of each other.
class CTeskRibHeightForThkRuleListCtrl : public CTeskListCtrl {
public:
    static constexpr int kCellTextLimit = 260;
    // Two columns and the vertical scroll bar fit the table's width, with room beside the cells
    // to click a row without opening a cell's editor.
    static constexpr int kColumnWidth = 188;
    static constexpr double kThicknessTolerance = 1e-6;

    CTeskRibHeightForThkRuleListCtrl();
    ~CTeskRibHeightForThkRuleListCtrl() override;

    // One column per title, the first time only.
    void InitColumns(const CStringList& titles);
    // The table's keys; true when the message was used up.
    bool TranslateEditKey(const MSG* message);
    // Ends the edit of the cell and checks what was typed: a text that is not a numeral is
    // emptied, a thickness already in the table is refused with a message and emptied.
    void CommitCell(int row, int column);

protected:
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    bool IsEditColumn(int column) const;
    void RefuseDuplicateThickness(int row, const CString& text);
    void OpenEditor(int row, int column) { ShowCellEditor(row, column, kCellTextLimit); }
};
