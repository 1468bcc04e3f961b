#pragma once

#include <optional>

#include "platform/window/CEdit.h"

// The rule dialogs' numeric edit box: its text is only ever empty or made of digits and full
// stops. A character typed that is neither is refused before it reaches the text, with the
// platform's balloon for a number box; a paste that would leave something else is undone, and
// the text, caret and selection stay as they were. Any other change that would leave something
// else puts back the last text the box accepted.
class CDoubleEditEx : public CEdit {
public:
    CDoubleEditEx();
    ~CDoubleEditEx() override;

    const CString& GetLastAccepted() const { return m_strLastAccepted; }

protected:
    afx_msg void OnEnChange();
    afx_msg void OnChar(UINT ch, UINT repeatCount, UINT flags);

    DECLARE_MESSAGE_MAP()

private:
    // The box as the person's input found it, while that input is handled.
    struct BeforeInput {
        CString text;
        int selStart = 0;
        int selEnd = 0;
    };

    void ShowRefusal();

    CString m_strLastAccepted;
    std::optional<BeforeInput> m_beforeInput;
};
