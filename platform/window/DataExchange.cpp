#include "platform/window/DataExchange.h"

#include "platform/window/CButton.h"

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd) {
        return;
    }
    if (const CWnd* item = dx->m_pDlgWnd->GetDlgItem(id)) {
        control.SubclassWindow(item->m_hWnd);
    }
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    auto* button = dynamic_cast<CButton*>(dx->m_pDlgWnd->GetDlgItem(id));
    if (!button) {
        return;
    }
    if (dx->m_bSaveAndValidate) {
        value = button->GetCheck();
    } else {
        button->SetCheck(value);
    }
}
