#pragma once

#include "controls/CDoubleEditEx.h"
#include "controls/CWrapperComboCtrl.h"
#include "host/CTeskRuleDlgBase.h"

class CTeskIMDraftAngleRule;

// Edits the draft-angle rule: the operator and angle of each side, and the severity.
class CTeskIMDraftAngleDlg : public CTeskRuleDlgBase {
public:
    enum { IDD = 206 };
    enum ControlId {
        IDC_OPERATOR1 = 1111,
        IDC_VALUE1 = 1113,
        IDC_UNIT1 = 1114,
        IDC_OPERATOR2 = 1116,
        IDC_VALUE2 = 1118,
        IDC_UNIT2 = 1119,
        IDC_SEVERITY = 1121,
    };

    CTeskIMDraftAngleDlg(CWnd* pParentWnd, CTeskIMDraftAngleRule* pRule);
    ~CTeskIMDraftAngleDlg() override;

    void SetUnitString(const CString& unit) { m_strUnit = unit; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    afx_msg void OnBnClickedOk();

    DECLARE_MESSAGE_MAP()

private:
    CTeskIMDraftAngleRule* m_pRule;
    CDoubleEditEx m_editValue1;
    CDoubleEditEx m_editValue2;
    CWrapperComboCtrl m_comboOperator1;
    CWrapperComboCtrl m_comboOperator2;
    CWrapperComboCtrl m_comboSeverity;
    CString m_strUnit;
};
