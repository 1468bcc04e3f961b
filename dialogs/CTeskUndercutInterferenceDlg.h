#pragma once

#include "controls/CDoubleEditEx.h"
#include "controls/CWrapperComboCtrl.h"
#include "host/CTeskRuleDlgBase.h"

class CTeskUndercutInterferenceRule;

// Edits the undercut interference rule: die thickness, die overhang and required gap, each a
// length, and the severity.
class CTeskUndercutInterferenceDlg : public CTeskRuleDlgBase {
public:
    enum { IDD = 1107 };
    enum ControlId {
        IDC_VALUE3 = 1181,
        IDC_VALUE2 = 1182,
        IDC_VALUE1 = 1186,
        IDC_UNIT3 = 1189,
        IDC_UNIT2 = 1193,
        IDC_UNIT1 = 1195,
        IDC_SEVERITY = 1197,
    };

    CTeskUndercutInterferenceDlg(CWnd* pParentWnd, CTeskUndercutInterferenceRule* pRule);
    ~CTeskUndercutInterferenceDlg() override;

    void SetUnitString(const CString& unit) { m_strUnit = unit; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    afx_msg void OnBnClickedOk();

    DECLARE_MESSAGE_MAP()

private:
    CTeskUndercutInterferenceRule* m_pRule;
    CDoubleEditEx m_editValue1;
    CDoubleEditEx m_editValue2;
    CDoubleEditEx m_editValue3;
    CWrapperComboCtrl m_comboSeverity;
    CString m_strUnit;
};
