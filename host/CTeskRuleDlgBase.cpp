#include "host/CTeskRuleDlgBase.h"

#include "platform/MessageSink.h"

BEGIN_MESSAGE_MAP(CTeskRuleDlgBase, CDialog)
ON_WM_NCLBUTTONDOWN()
END_MESSAGE_MAP()

CTeskRuleDlgBase::CTeskRuleDlgBase(UINT nIDTemplate, int helpContextId, const CString& helpFilePath,
                                   CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd),
      m_nHelpContextId(helpContextId),
      m_strHelpFilePath(helpFilePath) {}

CTeskRuleDlgBase::~CTeskRuleDlgBase() = default;

BOOL CTeskRuleDlgBase::OnInitDialog() {
    return CDialog::OnInitDialog();
}

BOOL CTeskRuleDlgBase::PreTranslateMessage(MSG* message) {
    if (message && message->message == WM_KEYDOWN && message->wParam == VK_F1) {
        ShowHelp();
        return TRUE;
    }
    return CDialog::PreTranslateMessage(message);
}

void CTeskRuleDlgBase::OnNcLButtonDown(UINT hitTest, CPoint point) {
    if (hitTest == HTHELP) {
        ShowHelp();
        return;
    }
    CDialog::OnNcLButtonDown(hitTest, point);
}

// The help file names each topic after its context id: topic 14102 is the page 14102.html.
void CTeskRuleDlgBase::ShowHelp() const {
    CString topic;
    topic.Format(L"%s::/%d.html", m_strHelpFilePath.GetString(), m_nHelpContextId);
    GetMessageSink().Show({ShownMessage::Kind::Help, L"Help", topic, 0});
}
