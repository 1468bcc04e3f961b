#pragma once

#include "controls/CDoubleEditEx.h"
#include "controls/CWrapperComboCtrl.h"
#include "host/CTeskRuleDlgBase.h"

class CTeskIMWTVariationRule;

// Edits the wall-thickness variation rule: the variation limit in percent and the severity.
class CTeskIMWTVariationDlg : public CTeskRuleDlgBase {
public:
    enum { IDD = 207 };
    enum ControlId {
        IDC_SEVERITY = 1130,
        IDC_VALUE1 = 1131,
    };

    CTeskIMWTVariationDlg(CWnd* pParentWnd, CTeskIMWTVariationRule* pRule);
    ~CTeskIMWTVariationDlg() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    afx_msg void OnBnClickedOk();

    DECLARE_MESSAGE_MAP()

private:
    CTeskIMWTVariationRule* m_pRule;
    CDoubleEditEx m_editValue1;
    CWrapperComboCtrl m_comboSeverity;
};
