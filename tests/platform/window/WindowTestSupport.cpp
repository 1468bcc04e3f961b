#include "tests/platform/window/WindowTestSupport.h"

#include <sstream>

namespace windowtest {

BEGIN_MESSAGE_MAP(CRecordingDialog, CDialog)
ON_CONTROL_RANGE(EN_UPDATE, 0, 0xFFFF, &CRecordingDialog::OnUpdate)
ON_CONTROL_RANGE(EN_CHANGE, 0, 0xFFFF, &CRecordingDialog::OnChange)
ON_CONTROL_RANGE(EN_SETFOCUS, 0, 0xFFFF, &CRecordingDialog::OnEditSetFocus)
ON_CONTROL_RANGE(EN_KILLFOCUS, 0, 0xFFFF, &CRecordingDialog::OnEditKillFocus)
ON_CONTROL_RANGE(EN_MAXTEXT, 0, 0xFFFF, &CRecordingDialog::OnMaxText)
ON_CONTROL_RANGE(CBN_SELCHANGE, 0, 0xFFFF, &CRecordingDialog::OnSelChange)
ON_CONTROL_RANGE(CBN_SELENDOK, 0, 0xFFFF, &CRecordingDialog::OnSelEndOk)
ON_CONTROL_RANGE(BN_CLICKED, 0, 0xFFFF, &CRecordingDialog::OnClicked)
END_MESSAGE_MAP()

CRecordingDialog::CRecordingDialog(const DialogTemplate& dialogTemplate) {
    InitModalIndirect(dialogTemplate);
}

std::vector<std::string> CRecordingDialog::With(const std::string& code) const {
    std::vector<std::string> result;
    for (const std::string& entry : notifications) {
        if (entry.rfind(code + " ", 0) == 0) {
            result.push_back(entry);
        }
    }
    return result;
}

BOOL CRecordingDialog::PreTranslateMessage(MSG* message) {
    preTranslated.push_back(*message);
    return CDialog::PreTranslateMessage(message);
}

void CRecordingDialog::OnClicked(UINT id) {
    Record("BN_CLICKED", id);
    if (id == IDOK) {
        OnOK();
    } else if (id == IDCANCEL) {
        OnCancel();
    }
}

void CRecordingDialog::Record(const char* code, UINT id) {
    CString text;
    if (CWnd* sender = CWnd::FromHandle(platform::FindDescendant(m_hWnd, static_cast<int>(id)))) {
        sender->GetWindowText(text);
    }
    std::ostringstream entry;
    entry << code << " " << id << " " << text;
    notifications.push_back(entry.str());
}

}  // namespace windowtest
