#include "platform/MessageSink.h"

namespace {

IMessageSink* g_pSink = nullptr;

}  // namespace

int CRecordingMessageSink::Show(const ShownMessage& message) {
    m_messages.push_back(message);
    return IDOK;
}

CRecordingMessageSink& DefaultMessageSink() {
    static CRecordingMessageSink sink;
    return sink;
}

IMessageSink& GetMessageSink() {
    return g_pSink ? *g_pSink : DefaultMessageSink();
}

void SetMessageSink(IMessageSink* sink) {
    g_pSink = sink;
}

int AfxMessageBox(const CString& text, UINT type) {
    return GetMessageSink().Show({ShownMessage::Kind::MessageBox, L"Veritor Rules", text, type});
}

int MessageBoxW(const CString& text, const CString& caption, UINT type) {
    return GetMessageSink().Show({ShownMessage::Kind::MessageBox, caption, text, type});
}
