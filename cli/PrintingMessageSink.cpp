#include "cli/PrintingMessageSink.h"

#include "platform/Utf.h"

int CPrintingMessageSink::Show(const ShownMessage& message) {
    const char* kind = "message";
    if (message.kind == ShownMessage::Kind::BalloonTip) {
        kind = "balloon";
    } else if (message.kind == ShownMessage::Kind::Help) {
        kind = "help";
    }
    m_out << "[" << kind << "] " << platform::Utf8FromWide(message.caption.str()) << ": "
          << platform::Utf8FromWide(message.text.str()) << std::endl;
    return IDOK;
}
