#pragma once

#include "platform/window/CEdit.h"

// The rule dialogs' numeric edit box: its text is only ever empty or made of digits and full
// stops. Any change that would leave something else puts back the last text it accepted.
class CDoubleEditEx : public CEdit {
public:
    CDoubleEditEx();
    ~CDoubleEditEx() override;

    const CString& GetLastAccepted() const { return m_strLastAccepted; }

protected:
    afx_msg void OnEnChange();

    DECLARE_MESSAGE_MAP()

private:
    CString m_strLastAccepted;
};
