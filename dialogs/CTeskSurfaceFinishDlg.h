#pragma once

#include "controls/CDoubleEditEx.h"
#include "controls/CWrapperComboCtrl.h"
#include "host/CTeskRuleDlgBase.h"

class CTeskSurfaceFinishRule;

// Edits the surface finish rule: the lowest and highest finish values and the severity. It
// stores them in its own OnOK.
class CTeskSurfaceFinishDlg : public CTeskRuleDlgBase {
public:
    enum { IDD = 2154 };
    enum ControlId {
        IDC_VALUE1 = 1150,
        IDC_VALUE2 = 1151,
        IDC_SEVERITY = 1153,
    };

    CTeskSurfaceFinishDlg(CWnd* pParentWnd, CTeskSurfaceFinishRule* pRule);
    ~CTeskSurfaceFinishDlg() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    DECLARE_MESSAGE_MAP()

private:
    CTeskSurfaceFinishRule* m_pRule;
    CWrapperComboCtrl m_comboSeverity;
    CDoubleEditEx m_editValue1;
    CDoubleEditEx m_editValue2;
};
