#pragma once

#include "controls/CWrapperComboCtrl.h"
#include "host/CTeskRuleDlgBase.h"

class CTeskCoreCavitySurfAreaRatioRule;

// Edits the core/cavity surface-area ratio rule, which has nothing to set but its severity.
class CTeskCoreCavitySurfAreaRatioDlg : public CTeskRuleDlgBase {
public:
    enum { IDD = 1109 };
    enum ControlId {
        IDC_SEVERITY = 2013,
    };
    // The dialog's help topic is its own, whatever topic the rule names.
    static constexpr int kHelpContextId = 14110;

    CTeskCoreCavitySurfAreaRatioDlg(CWnd* pParentWnd, CTeskCoreCavitySurfAreaRatioRule* pRule);
    ~CTeskCoreCavitySurfAreaRatioDlg() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    afx_msg void OnBnClickedOk();

    DECLARE_MESSAGE_MAP()

private:
    CTeskCoreCavitySurfAreaRatioRule* m_pRule;
    CWrapperComboCtrl m_comboSeverity;
};
