#pragma once

#include "controls/CDoubleEditEx.h"
#include "controls/CWrapperComboCtrl.h"
#include "host/CTeskRuleDlgBase.h"

class CTeskSnapFitMoldParametersRule;

// Edits the snap-fit mould parameters rule: the overhang, the height-to-width ratio and the
// severity.
class CTeskSnapFitMoldParametersDlg : public CTeskRuleDlgBase {
public:
    enum { IDD = 1108 };
    enum ControlId {
        IDC_VALUE1 = 2000,
        IDC_UNIT1 = 2001,
        IDC_VALUE2 = 2004,
        IDC_SEVERITY = 2006,
        IDC_UNIT2 = 2253,
    };

    CTeskSnapFitMoldParametersDlg(CWnd* pParentWnd, CTeskSnapFitMoldParametersRule* pRule);
    ~CTeskSnapFitMoldParametersDlg() override;

    void SetUnitString(const CString& unit) { m_strUnit = unit; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    afx_msg void OnBnClickedOk();

    DECLARE_MESSAGE_MAP()

private:
    CTeskSnapFitMoldParametersRule* m_pRule;
    CDoubleEditEx m_editValue1;
    CDoubleEditEx m_editValue2;
    CWrapperComboCtrl m_comboSeverity;
    CString m_strUnit;
};
