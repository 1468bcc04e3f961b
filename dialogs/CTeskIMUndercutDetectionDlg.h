#pragma once

#include "controls/CWrapperComboCtrl.h"
#include "host/CTeskRuleDlgBase.h"

class CTeskIMUndercutDetectionRule;

// Edits the undercut detection rule, which has nothing to set but its severity.
class CTeskIMUndercutDetectionDlg : public CTeskRuleDlgBase {
public:
    enum { IDD = 1106 };
    enum ControlId {
        IDC_SEVERITY = 1108,
    };

    CTeskIMUndercutDetectionDlg(CWnd* pParentWnd, CTeskIMUndercutDetectionRule* pRule);
    ~CTeskIMUndercutDetectionDlg() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    afx_msg void OnBnClickedOk();

    DECLARE_MESSAGE_MAP()

private:
    CTeskIMUndercutDetectionRule* m_pRule;
    CWrapperComboCtrl m_comboSeverity;
};
