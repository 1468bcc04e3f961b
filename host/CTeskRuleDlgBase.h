#pragma once

#include "platform/window/CDialog.h"

// The host's base of every rule dialog: it knows the rule's help topic and opens it when the
// person presses F1 or the help button of the caption. Without a help viewer the opened topic
// goes to the message sink as a help entry, the file and the topic page named after the context
// id ("file::/14102.html").
class CTeskRuleDlgBase : public CDialog {
public:
    CTeskRuleDlgBase(UINT nIDTemplate, int helpContextId, const CString& helpFilePath,
                     CWnd* pParentWnd);
    ~CTeskRuleDlgBase() override;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* message) override;

    int GetHelpContextId() const { return m_nHelpContextId; }
    const CString& GetHelpFilePath() const { return m_strHelpFilePath; }

protected:
    afx_msg void OnNcLButtonDown(UINT hitTest, CPoint point);
    void ShowHelp() const;

    DECLARE_MESSAGE_MAP()

private:
    int m_nHelpContextId;
    CString m_strHelpFilePath;
};
