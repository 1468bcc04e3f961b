#pragma once

#include "controls/CDoubleEditEx.h"
#include "controls/CWrapperComboCtrl.h"
#include "host/CTeskRuleDlgBase.h"

class CTeskIMUniformThicknessRule;

// Edits the uniform-thickness rule: a minimum and a maximum wall thickness, each switched on and
// off by a check box (at least one stays on), and the severity. The on/off state is the first
// value of each limit, the thickness the second.
class CTeskIMUniformThicknessDlg : public CTeskRuleDlgBase {
public:
    enum { IDD = 136 };
    enum ControlId {
        IDC_OPERATOR1 = 1015,
        IDC_VALUE1 = 1018,
        IDC_UNIT1 = 1019,
        IDC_OPERATOR2 = 1022,
        IDC_VALUE2 = 1024,
        IDC_UNIT2 = 1025,
        IDC_SEVERITY = 1027,
        IDC_MINIMUM_CHECK = 1124,
        IDC_MAXIMUM_CHECK = 1125,
    };

    CTeskIMUniformThicknessDlg(CWnd* pParentWnd, CTeskIMUniformThicknessRule* pRule);
    ~CTeskIMUniformThicknessDlg() override;

    void SetUnitString(const CString& unit) { m_strUnit = unit; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    afx_msg void OnBnClickedOk();
    afx_msg void OnBnClickedMinimumCheck();
    afx_msg void OnBnClickedMaximumCheck();
    void EnableRowFromCheck(int checkBoxId);
    void UpdateOkButton();

    DECLARE_MESSAGE_MAP()

private:
    CTeskIMUniformThicknessRule* m_pRule;
    int m_bMinEnabled = FALSE;
    int m_bMaxEnabled = FALSE;
    CDoubleEditEx m_editValue1;
    CDoubleEditEx m_editValue2;
    CWrapperComboCtrl m_comboOperator1;
    CWrapperComboCtrl m_comboOperator2;
    CWrapperComboCtrl m_comboSeverity;
    CString m_strUnit;
};
