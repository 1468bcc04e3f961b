#include "dialogs/CTeskRibHeightForThicknessDlg.h"

#include <algorithm>
#include <map>
#include <memory>

#include "dialogs/DialogSteps.h"
#include "dialogs/RuleDialogFields.h"
#include "params/NumberText.h"
#include "platform/MessageSink.h"
#include "platform/window/DataExchange.h"
#include "rules/CTeskRibHeightForThicknessRule.h"

namespace {

using Dlg = CTeskRibHeightForThicknessDlg;
constexpr UINT IDS_THICKNESS_TITLE = 2225;
constexpr UINT IDS_HEIGHT_TITLE = 2226;
constexpr UINT IDS_INCOMPLETE_TABLE = 2228;
constexpr int kHeaderPointSize = 120;
constexpr int kThicknessColumn = 0;
constexpr int kHeightColumn = 1;

constexpr DialogStep kSeverity[] = {step::Severity(Dlg::IDC_SEVERITY)};

CString ColumnTitle(UINT titleId, const CString& unit) {
    CString title;
    title.LoadString(titleId);
    return title + L" (" + unit + L")";
}

// A cell's text with the zeros at both ends taken off, so that 0, 00 and 000 are empty and 0.0
// is a lone full stop.
CString WithoutEndZeros(CString text) {
    return text.TrimRight(L'0').TrimLeft(L'0');
}

bool HasSeveralFullStops(const CString& text) {
    const std::wstring& chars = text.str();
    return std::count(chars.begin(), chars.end(), L'.') > 1;
}

}  // namespace

BEGIN_MESSAGE_MAP(CTeskRibHeightForThicknessDlg, CDialog)
ON_BN_CLICKED(IDOK, &CTeskRibHeightForThicknessDlg::OnBnClickedOk)
ON_WM_NCLBUTTONDOWN()
END_MESSAGE_MAP()

CTeskRibHeightForThicknessDlg::CTeskRibHeightForThicknessDlg(CWnd* pParentWnd,
                                                             CTeskRibHeightForThicknessRule* pRule)
    : CTeskRuleDlgBase(IDD, HelpContextIdOf(pRule), ApplicationHelpFilePath(), pParentWnd),
      m_pRule(pRule) {}

CTeskRibHeightForThicknessDlg::~CTeskRibHeightForThicknessDlg() = default;

void CTeskRibHeightForThicknessDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_SEVERITY, m_comboSeverity);
    DDX_Control(dx, IDC_TABLE, m_listTable);
    CTeskRuleDlgBase::DoDataExchange(dx);
}

BOOL CTeskRibHeightForThicknessDlg::OnInitDialog() {
    CTeskRuleDlgBase::OnInitDialog();
    FillSeverityBox(m_comboSeverity);
    if (!m_pRule || !InitTable()) {
        return FALSE;
    }
    LoadTable();
    ShowSteps(*this, m_pRule, kSeverity);
    return TRUE;
}

BOOL CTeskRibHeightForThicknessDlg::PreTranslateMessage(MSG* message) {
    if (m_listTable.TranslateEditKey(message)) {
        return TRUE;
    }
    UpdateOkButton();
    return CTeskRuleDlgBase::PreTranslateMessage(message);
}

// Nothing, the severity included, reaches the rule until the table is accepted: a refused OK
// followed by Cancel leaves the rule as it was.
void CTeskRibHeightForThicknessDlg::OnBnClickedOk() {
    if (!m_pRule) {
        return;
    }
    CommitPendingEdit();
    const TableCheck check = ValidateTable();
    CString incomplete;
    incomplete.LoadString(IDS_INCOMPLETE_TABLE);
    if (!check.valid) {
        MessageBox(incomplete.GetString(), L"Veritor", MB_ICONWARNING | MB_OK);
    } else if (check.completeRows == 0) {
        AfxMessageBox(incomplete);
    } else {
        TakeBackSteps(*this, m_pRule, kSeverity);
        WriteTableToRule();
        OnOK();
    }
}

bool CTeskRibHeightForThicknessDlg::InitTable() {
    if (!m_listTable.GetSafeHwnd()) {
        return false;
    }
    m_listTable.SetExtendedStyle(kTableStyle);
    if (CFont* font = GetFont()) {
        m_listTable.SetFont(font);
        if (CHeaderCtrl* header = m_listTable.GetHeaderCtrl()) {
            m_fontHeader.CreatePointFont(kHeaderPointSize, L"Courier");
            header->SetFont(&m_fontHeader);
        }
    }
    CStringList titles;
    titles.AddTail(ColumnTitle(IDS_THICKNESS_TITLE, m_strUnit));
    titles.AddTail(ColumnTitle(IDS_HEIGHT_TITLE, m_strUnit));
    m_listTable.InitColumns(titles);
    for (int row = 0; row < kBlankRows; ++row) {
        m_listTable.InsertBlankItem(row, L"");
    }
    return true;
}

// The stored rows go above the blank ones, in stored order; a row without a thickness is left
// out.
void CTeskRibHeightForThicknessDlg::LoadTable() {
    const TeskValueArray<CStringList*>* rows = TableRows();
    for (int i = 0; rows && i < rows->GetCount(); ++i) {
        const CStringList* row = rows->ElementAt(i);
        if (!row || row->GetCount() < 2 || row->GetHead().IsEmpty()) {
            continue;
        }
        POSITION pos = row->GetHeadPosition();
        const CString thickness = row->GetNext(pos);
        const CString height = row->GetNext(pos);
        m_listTable.InsertBlankItem(i, L"");
        m_listTable.SetCellText(i, kThicknessColumn, thickness);
        m_listTable.SetCellText(i, kHeightColumn, height);
    }
}

void CTeskRibHeightForThicknessDlg::UpdateOkButton() {
    CWnd* ok = GetDlgItem(IDOK);
    if (!ok || !m_listTable.GetSafeHwnd()) {
        return;
    }
    bool anyText = false;
    for (int row = 0; row < m_listTable.GetItemCount() && !anyText; ++row) {
        anyText = !m_listTable.GetItemText(row, kThicknessColumn).IsEmpty() ||
                  !m_listTable.GetItemText(row, kHeightColumn).IsEmpty();
    }
    ok->EnableWindow(anyText);
}

// The open editor's text goes into its cell; a text that is not a numeral is emptied. Repeated
// thicknesses are left to the write-back, which keeps the first.
void CTeskRibHeightForThicknessDlg::CommitPendingEdit() {
    const int row = m_listTable.GetEditRow();
    const int column = m_listTable.GetEditColumn();
    CString text;
    if (m_listTable.EndCellEdit(text) && (column == kThicknessColumn || column == kHeightColumn) &&
        !IsNumberText(text)) {
        m_listTable.SetCellText(row, column, L"");
    }
}

// A zero written 0, 00 or 000 counts as empty, so it leaves its row incomplete; one written with
// a full stop, such as 0.0, and a text with several full stops leave the row out of the check.
CTeskRibHeightForThicknessDlg::TableCheck CTeskRibHeightForThicknessDlg::ValidateTable() const {
    TableCheck check;
    for (int row = 0; row < m_listTable.GetItemCount(); ++row) {
        const CString thickness = WithoutEndZeros(m_listTable.GetItemText(row, kThicknessColumn));
        const CString height = WithoutEndZeros(m_listTable.GetItemText(row, kHeightColumn));
        if (thickness == L"." || height == L"." || HasSeveralFullStops(thickness) ||
            HasSeveralFullStops(height)) {
            continue;
        }
        if (thickness.IsEmpty() != height.IsEmpty()) {
            check.valid = false;
            return check;
        }
        if (!thickness.IsEmpty()) {
            ++check.completeRows;
        }
    }
    return check;
}

// Rows sorted by thickness; of rows with the same thickness the upper one wins, and a row whose
// values are not both above zero is dropped.
void CTeskRibHeightForThicknessDlg::WriteTableToRule() {
    TeskValueArray<CStringList*>* rows = TableRows();
    if (!rows) {
        return;
    }
    while (rows->GetCount() > 0) {
        rows->RemoveAt(rows->GetCount() - 1);
    }
    std::map<double, double> heightByThickness;
    for (int row = 0; row < m_listTable.GetItemCount(); ++row) {
        const double thickness = ParseNumber(m_listTable.GetItemText(row, kThicknessColumn));
        const double height = ParseNumber(m_listTable.GetItemText(row, kHeightColumn));
        if (thickness > 0 && height > 0) {
            heightByThickness.emplace(thickness, height);
        }
    }
    for (const auto& [thickness, height] : heightByThickness) {
        auto row = std::make_unique<CStringList>();
        row->AddTail(FormatNumber(thickness));
        row->AddTail(FormatNumber(height));
        rows->Add(row.release());
    }
}

TeskValueArray<CStringList*>* CTeskRibHeightForThicknessDlg::TableRows() const {
    CTeskParamStorage* table =
        m_pRule
            ? m_pRule->FindParameterInArray(CTeskRibHeightForThicknessRule::kThicknessHeightTable)
            : nullptr;
    TeskParamDataOf<TESK_TYPE_TEXT_LIST>* data =
        table ? table->GetData<TESK_TYPE_TEXT_LIST>() : nullptr;
    return data ? &data->Values : nullptr;
}
