#pragma once

#include <vector>

#include "platform/CString.h"

// Message boxes, balloon tips and opened help topics go to a replaceable sink. The default sink
// records what was shown and answers OK; the command-line host installs one that prints them.
struct ShownMessage {
    enum class Kind { MessageBox, BalloonTip, Help };
    Kind kind = Kind::MessageBox;
    CString caption;
    CString text;
    UINT style = 0;
};

class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    // Returns the button the person pressed (IDOK, IDCANCEL, ...).
    virtual int Show(const ShownMessage& message) = 0;
};

class CRecordingMessageSink : public IMessageSink {
public:
    int Show(const ShownMessage& message) override;
    const std::vector<ShownMessage>& Messages() const { return m_messages; }
    void Clear() { m_messages.clear(); }

private:
    std::vector<ShownMessage> m_messages;
};

// The sink in use; never null. Setting null restores the default recording sink.
IMessageSink& GetMessageSink();
void SetMessageSink(IMessageSink* sink);
CRecordingMessageSink& DefaultMessageSink();

// The application's message box: the caption is the application's.
int AfxMessageBox(const CString& text, UINT type = MB_OK);
int MessageBoxW(const CString& text, const CString& caption, UINT type = MB_OK);
