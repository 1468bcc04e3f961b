#pragma once

#include "controls/CDoubleEditEx.h"
#include "controls/CWrapperComboCtrl.h"
#include "host/CTeskRuleDlgBase.h"
#include "platform/window/CStatic.h"

class CTeskFilletRadiusRule;

// Edits the fillet radius rule: the smallest and largest radius, both lengths, and the severity.
// It stores them in its own OnOK.
class CTeskFilletRadiusDlg : public CTeskRuleDlgBase {
public:
    enum { IDD = 2160 };
    enum ControlId {
        IDC_VALUE1 = 1134,
        IDC_VALUE2 = 1135,
        IDC_UNIT2 = 1136,
        IDC_UNIT1 = 1137,
        IDC_SEVERITY = 1139,
    };

    CTeskFilletRadiusDlg(CWnd* pParentWnd, CTeskFilletRadiusRule* pRule);
    ~CTeskFilletRadiusDlg() override;

    void SetUnitString(const CString& unit) { m_strUnit = unit; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    DECLARE_MESSAGE_MAP()

private:
    CTeskFilletRadiusRule* m_pRule;
    CWrapperComboCtrl m_comboSeverity;
    CDoubleEditEx m_editValue1;
    CDoubleEditEx m_editValue2;
    CStatic m_staticUnit1;
    CStatic m_staticUnit2;
    CString m_strUnit;
};
