#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/window/CDialog.h"
#include "platform/window/SimulatedUser.h"
#include "platform/window/WindowStyles.h"

namespace windowtest {

constexpr DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;

inline DialogItemTemplate Item(DialogItemKind kind, int id, DWORD style, const wchar_t* caption,
                               CRect rect) {
    return {id, kind, kVisibleChild | style, 0, rect, caption};
}

inline DialogItemTemplate EditItem(int id, const wchar_t* text = L"", DWORD style = 0) {
    return Item(DialogItemKind::Edit, id, WS_TABSTOP | WS_BORDER | style, text, {10, 10, 60, 24});
}
inline DialogItemTemplate ButtonItem(int id, const wchar_t* caption, DWORD type = BS_PUSHBUTTON) {
    return Item(DialogItemKind::Button, id, WS_TABSTOP | type, caption, {10, 80, 60, 94});
}
inline DialogItemTemplate ComboItem(int id) {
    return Item(DialogItemKind::ComboBox, id, WS_TABSTOP | CBS_DROPDOWNLIST, L"", {10, 30, 80, 90});
}
inline DialogItemTemplate StaticItem(int id, const wchar_t* text) {
    return Item(DialogItemKind::Static, id, 0, text, {10, 50, 80, 58});
}
inline DialogItemTemplate ListItem(int id, DWORD style = LVS_REPORT) {
    return Item(DialogItemKind::ListView, id, WS_TABSTOP | WS_BORDER | style, L"",
                {10, 10, 300, 200});
}

inline DialogTemplate MakeTemplate(std::vector<DialogItemTemplate> items, UINT id = 100) {
    DialogTemplate result;
    result.id = id;
    result.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    result.rect = CRect(0, 0, 320, 240);
    result.caption = L"Test";
    result.items = std::move(items);
    return result;
}

// A dialog that writes down every notification its message map receives, with the sender's
// text at that moment, and every message that goes through its pre-translation.
class CRecordingDialog : public CDialog {
public:
    explicit CRecordingDialog(const DialogTemplate& dialogTemplate);

    std::vector<std::string> notifications;
    std::vector<MSG> preTranslated;

    // Only the notifications with this code name, such as "EN_CHANGE".
    std::vector<std::string> With(const std::string& code) const;

protected:
    BOOL PreTranslateMessage(MSG* message) override;

    afx_msg void OnUpdate(UINT id) { Record("EN_UPDATE", id); }
    afx_msg void OnChange(UINT id) { Record("EN_CHANGE", id); }
    afx_msg void OnEditSetFocus(UINT id) { Record("EN_SETFOCUS", id); }
    afx_msg void OnEditKillFocus(UINT id) { Record("EN_KILLFOCUS", id); }
    afx_msg void OnMaxText(UINT id) { Record("EN_MAXTEXT", id); }
    afx_msg void OnSelChange(UINT id) { Record("CBN_SELCHANGE", id); }
    afx_msg void OnSelEndOk(UINT id) { Record("CBN_SELENDOK", id); }
    // Records, then lets OK and Cancel end the dialog as they would without the record.
    afx_msg void OnClicked(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    void Record(const char* code, UINT id);
};

// Runs the dialog with a simulated user acting out the script; returns DoModal's result.
template <typename Script>
INT_PTR RunWithUser(CDialog& dialog, Script script) {
    platform::SimulatedUserScope user(std::move(script));
    return dialog.DoModal();
}

}  // namespace windowtest
