#pragma once

#include "controls/CDoubleEditEx.h"
#include "controls/CWrapperComboCtrl.h"
#include "host/CTeskRuleDlgBase.h"
#include "platform/window/CButton.h"
#include "platform/window/CStatic.h"

class CTeskMinRibEdgeRadiusRule;

// Edits the minimum rib edge radius rule: the radius ratio, the option, three chained angle
// ranges and the severity. Each range's upper bound is typed; ranges 2 and 3 start where the
// one before ends, and their lower-bound texts follow the typing. A bound outside 0 to 90 gets a
// balloon warning; an upside-down range stops OK.
class CTeskMinRibEdgeRadiusDlg : public CTeskRuleDlgBase {
public:
    enum { IDD = 2281 };
    enum ControlId {
        IDC_RANGE2_FROM = 2253,
        IDC_OPERATOR1 = 2260,
        IDC_VALUE1 = 2262,
        IDC_RANGE1_FROM = 2268,
        IDC_RANGE1_TO = 2269,
        IDC_RANGE2_TO = 2272,
        IDC_RANGE3_FROM = 2274,
        IDC_RANGE3_TO = 2275,
        IDC_OPTION_CHECK = 2276,
        IDC_SEVERITY = 2279,
    };
    static constexpr double kAngleFieldMinimum = 0.0;
    static constexpr double kAngleFieldMaximum = 90.0;
    static constexpr double kRangeTolerance = 1.0e-6;

    CTeskMinRibEdgeRadiusDlg(CWnd* pParentWnd, CTeskMinRibEdgeRadiusRule* pRule);
    ~CTeskMinRibEdgeRadiusDlg() override;

    // The angle unit; the dialog does not show it.
    void SetUnitString(const CString& unit) { m_strUnit = unit; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    afx_msg void OnBnClickedOk();
    afx_msg void OnChangeRange1To();
    afx_msg void OnChangeRange2To();
    afx_msg void OnChangeRange3To();
    // Mirrors the box's text into the next range's lower bound and warns when its number lies
    // outside minimum to maximum; nothing else changes.
    void CheckAngleField(CEdit& box, CStatic* mirror, double minimum, double maximum);
    // False, after telling the person and moving to the range's upper bound, when a range
    // starts above its end.
    bool ValidateRanges();

    DECLARE_MESSAGE_MAP()

private:
    CTeskMinRibEdgeRadiusRule* m_pRule;
    int m_nCheckState = BST_UNCHECKED;
    CDoubleEditEx m_editValue1;
    CWrapperComboCtrl m_comboOperator1;
    CWrapperComboCtrl m_comboSeverity;
    CStatic m_staticRange1From;
    CDoubleEditEx m_editRange1To;
    CStatic m_staticRange2From;
    CDoubleEditEx m_editRange2To;
    CStatic m_staticRange3From;
    CDoubleEditEx m_editRange3To;
    CString m_strUnit;
};
