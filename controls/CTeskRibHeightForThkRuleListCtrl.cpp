#include "controls/CTeskRibHeightForThkRuleListCtrl.h"

#include "params/NumberText.h"

namespace {

constexpr UINT IDS_DUPLICATE_THICKNESS = 2229;
constexpr int kThicknessColumn = 0;
constexpr int kHeightColumn = 1;

}  // namespace

BEGIN_MESSAGE_MAP(CTeskRibHeightForThkRuleListCtrl, CTeskListCtrl)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CTeskRibHeightForThkRuleListCtrl::CTeskRibHeightForThkRuleListCtrl() = default;

CTeskRibHeightForThkRuleListCtrl::~CTeskRibHeightForThkRuleListCtrl() = default;

void CTeskRibHeightForThkRuleListCtrl::InitColumns(const CStringList& titles) {
    const CHeaderCtrl* header = GetHeaderCtrl();
    if (header && header->GetItemCount() > 0) {
        return;
    }
    m_nFirstEditColumn = 0;
    m_nLastEditColumn = static_cast<int>(titles.GetCount()) - 1;
    int column = 0;
    for (POSITION pos = titles.GetHeadPosition(); pos;) {
        InsertColumn(column++, titles.GetNext(pos), LVCFMT_LEFT, kColumnWidth);
    }
}

// Tab, Left and Right act on the last edited cell even after its edit ended, so they reopen the
// editor beside it. Only Escape during an edit, and the arrows and Delete when they did
// something, use the key up; the others go on to the dialog.
bool CTeskRibHeightForThkRuleListCtrl::TranslateEditKey(const MSG* message) {
    if (!message || message->message != WM_KEYDOWN) {
        return false;
    }
    const int row = m_nEditRow;
    const int column = m_nEditColumn;
    CString text;
    switch (message->wParam) {
        case VK_TAB:
            if (column < m_nLastEditColumn) {
                CommitCell(row, column);
                OpenEditor(row, column + 1);
            } else if (column > m_nFirstEditColumn) {
                CommitCell(row, column);
                OpenEditor(row + 1, column - 1);
            }
            return false;
        case VK_RETURN:
            if (IsEditColumn(column)) {
                CommitCell(row, column);
            }
            return false;
        case VK_ESCAPE:
            return CancelCellEdit();
        case VK_LEFT: {
            const bool ended = EndCellEdit(text);
            if (column > m_nFirstEditColumn) {
                OpenEditor(row, column - 1);
            }
            return ended;
        }
        case VK_RIGHT: {
            const bool ended = EndCellEdit(text);
            if (column < m_nLastEditColumn) {
                OpenEditor(row, column + 1);
            }
            return ended;
        }
        case VK_UP:
        case VK_DOWN: {
            if ((row == -1 && column == -1) || !IsCellEditorVisible()) {
                return false;
            }
            const bool ended = EndCellEdit(text);
            if (message->wParam == VK_DOWN) {
                OpenEditor(row + 1, column);
            } else if (row > 0) {
                OpenEditor(row - 1, column);
            }
            return ended;
        }
        case VK_DELETE:
            return !IsCellEditorVisible() && ClearSelectedRows();
        default:
            return false;
    }
}

void CTeskRibHeightForThkRuleListCtrl::CommitCell(int row, int column) {
    CString text;
    if (!IsCellEditorVisible() || !EndCellEdit(text)) {
        return;
    }
    if (!IsNumberText(text)) {
        SetCellText(row, column, L"");
        return;
    }
    if (column == kThicknessColumn && !text.IsEmpty()) {
        RefuseDuplicateThickness(row, text);
    }
}

// Values are compared, not texts, so 2.50 repeats 2.5.
void CTeskRibHeightForThkRuleListCtrl::RefuseDuplicateThickness(int row, const CString& text) {
    CString refusal;
    refusal.LoadString(IDS_DUPLICATE_THICKNESS);
    const double thickness = ParseNumber(text);
    for (int other = 0; other < GetItemCount(); ++other) {
        const CString otherText = GetItemText(other, kThicknessColumn);
        if (other == row || otherText.IsEmpty()) {
            continue;
        }
        const double otherThickness = ParseNumber(otherText);
        if (thickness + kThicknessTolerance > otherThickness &&
            otherThickness > thickness - kThicknessTolerance) {
            MessageBox((text + L" : " + refusal).GetString(), L"Veritor", MB_ICONERROR | MB_OK);
            SetCellText(row, kThicknessColumn, L"");
        }
    }
}

// A click on a cell opens its editor and goes no further, so it never changes the selection; a
// click beside the cells selects as the list does.
void CTeskRibHeightForThkRuleListCtrl::OnLButtonDown(UINT, CPoint point) {
    if (IsEditColumn(m_nEditColumn)) {
        CommitCell(m_nEditRow, m_nEditColumn);
    }
    LVHITTESTINFO hit;
    hit.pt = point;
    SubItemHitTest(&hit);
    if (IsEditColumn(hit.iSubItem)) {
        OpenEditor(hit.iItem, hit.iSubItem);
        return;
    }
    Default();
}

void CTeskRibHeightForThkRuleListCtrl::OnLButtonDblClk(UINT, CPoint) {
    Default();
}

bool CTeskRibHeightForThkRuleListCtrl::IsEditColumn(int column) const {
    return column == kThicknessColumn || column == kHeightColumn;
}
