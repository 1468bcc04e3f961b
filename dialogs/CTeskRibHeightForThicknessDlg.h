#pragma once

#include "controls/CTeskRibHeightForThkRuleListCtrl.h"
#include "controls/CWrapperComboCtrl.h"
#include "host/CTeskRuleDlgBase.h"
#include "host/TeskValueArray.h"
#include "platform/window/CFont.h"

class CTeskRibHeightForThicknessRule;

// Edits the rib-height-for-thickness rule: a table of wall thicknesses, each with the largest
// rib height allowed for it, edited cell by cell, and the severity. OK stores the complete rows
// sorted by thickness.
class CTeskRibHeightForThicknessDlg : public CTeskRuleDlgBase {
public:
    enum { IDD = 2280 };
    enum ControlId {
        IDC_SEVERITY = 2256,
        IDC_TABLE = 2257,
    };
    static constexpr int kBlankRows = 260;
    static constexpr DWORD kTableStyle = LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP |
                                         LVS_EX_FULLROWSELECT | LVS_EX_ONECLICKACTIVATE |
                                         LVS_EX_INFOTIP;

    CTeskRibHeightForThicknessDlg(CWnd* pParentWnd, CTeskRibHeightForThicknessRule* pRule);
    ~CTeskRibHeightForThicknessDlg() override;

    // The length unit, shown in both column titles.
    void SetUnitString(const CString& unit) { m_strUnit = unit; }

    // The table's keys come first; then the OK button follows whether any cell holds a text.
    BOOL PreTranslateMessage(MSG* message) override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    afx_msg void OnBnClickedOk();

    DECLARE_MESSAGE_MAP()

private:
    struct TableCheck {
        bool valid = true;
        int completeRows = 0;
    };

    bool InitTable();
    void LoadTable();
    void UpdateOkButton();
    void CommitPendingEdit();
    TableCheck ValidateTable() const;
    void WriteTableToRule();
    TeskValueArray<CStringList*>* TableRows() const;

    CTeskRibHeightForThicknessRule* m_pRule;
    CWrapperComboCtrl m_comboSeverity;
    CTeskRibHeightForThkRuleListCtrl m_listTable;
    CString m_strUnit;
    CFont m_fontHeader;  // the header's font lives as long as the dialog
};
