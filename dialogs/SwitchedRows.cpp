#include "dialogs/SwitchedRows.h"

#include <algorithm>

#include "platform/window/CButton.h"
#include "platform/window/CDialog.h"

namespace {

const CButton* FindCheckBox(const CDialog& dialog, int id) {
    return dynamic_cast<const CButton*>(dialog.GetDlgItem(id));
}

void Enable(CDialog& dialog, int id, bool enable) {
    if (CWnd* control = dialog.GetDlgItem(id)) {
        control->EnableWindow(enable);
    }
}

}  // namespace

void EnableRowFromCheck(CDialog& dialog, std::span<const SwitchedRow> rows, int checkBox) {
    const CButton* box = FindCheckBox(dialog, checkBox);
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const SwitchedRow& candidate) {
        return candidate.checkBox == checkBox;
    });
    if (!box || row == rows.end()) {
        return;
    }
    const int state = box->GetCheck();
    Enable(dialog, row->operatorBox, state != BST_UNCHECKED);
    Enable(dialog, row->valueBox, state != BST_UNCHECKED);
    if (state == BST_CHECKED) {
        if (CWnd* valueBox = dialog.GetDlgItem(row->valueBox)) {
            valueBox->SetFocus();
        }
    }
}

void UpdateOkButton(CDialog& dialog, std::span<const SwitchedRow> rows) {
    CWnd* ok = dialog.GetDlgItem(IDOK);
    if (!ok) {
        return;
    }
    const bool everyLimitOff = std::all_of(rows.begin(), rows.end(), [&](const SwitchedRow& row) {
        const CButton* box = FindCheckBox(dialog, row.checkBox);
        return box && box->GetCheck() == BST_UNCHECKED;
    });
    ok->EnableWindow(!everyLimitOff);
}
