#pragma once

#include "controls/CDoubleEditEx.h"
#include "controls/CWrapperComboCtrl.h"
#include "host/CTeskRuleDlgBase.h"
#include "platform/window/CStatic.h"

class CTeskHoleToPartEdgeDistanceRule;

// Edits the hole-to-part-edge distance rule: the operator and the distance, a length, and the
// severity. It stores them in its own OnOK.
class CTeskHoleToPartEdgeDistanceDlg : public CTeskRuleDlgBase {
public:
    enum { IDD = 2151 };
    enum ControlId {
        IDC_VALUE1 = 1143,
        IDC_UNIT1 = 1144,
        IDC_SEVERITY = 1146,
        IDC_OPERATOR1 = 1147,
    };

    CTeskHoleToPartEdgeDistanceDlg(CWnd* pParentWnd, CTeskHoleToPartEdgeDistanceRule* pRule);
    ~CTeskHoleToPartEdgeDistanceDlg() override;

    void SetUnitString(const CString& unit) { m_strUnit = unit; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    DECLARE_MESSAGE_MAP()

private:
    CTeskHoleToPartEdgeDistanceRule* m_pRule;
    CDoubleEditEx m_editValue1;
    CWrapperComboCtrl m_comboOperator1;
    CWrapperComboCtrl m_comboSeverity;
    CStatic m_staticUnit1;
    CString m_strUnit;
};
