#pragma once

#include "controls/CDoubleEditEx.h"
#include "controls/CWrapperComboCtrl.h"
#include "host/CTeskRuleDlgBase.h"
#include "platform/window/CStatic.h"

class CTeskIMMoldWallThicknessRule;

// Edits the mould wall thickness rule: the thickness ratio and the wall thickness, each switched
// on and off by a check box (at least one stays on), and the severity.
class CTeskIMMoldWallThicknessDlg : public CTeskRuleDlgBase {
public:
    enum { IDD = 175 };
    enum ControlId {
        IDC_RATIO_CHECK = 1078,
        IDC_OPERATOR1 = 1080,
        IDC_VALUE1 = 1082,
        IDC_THICKNESS_CHECK = 1084,
        IDC_OPERATOR2 = 1086,
        IDC_VALUE2 = 1088,
        IDC_SEVERITY = 1090,
        IDC_UNIT1 = 1091,
    };

    CTeskIMMoldWallThicknessDlg(CWnd* pParentWnd, CTeskIMMoldWallThicknessRule* pRule);
    ~CTeskIMMoldWallThicknessDlg() override;

    void SetUnitString(const CString& unit) { m_strUnit = unit; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    afx_msg void OnBnClickedOk();
    afx_msg void OnBnClickedCheck1();
    afx_msg void OnBnClickedCheck2();
    void EnableRowFromCheck(int checkBoxId);
    void UpdateOkButton();

    DECLARE_MESSAGE_MAP()

private:
    CTeskIMMoldWallThicknessRule* m_pRule;
    CDoubleEditEx m_editValue1;
    CDoubleEditEx m_editValue2;
    CWrapperComboCtrl m_comboOperator1;
    CWrapperComboCtrl m_comboOperator2;
    CWrapperComboCtrl m_comboSeverity;
    CStatic m_staticUnit1;
    CString m_strUnit;
};
