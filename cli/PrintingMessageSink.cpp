#include "cli/PrintingMessageSink.h"

#include <iostream>

int CPrintingMessageSink::Show(const ShownMessage& message) {
    const char* kind = message.kind == ShownMessage::Kind::BalloonTip ? "balloon" : "message";
    std::cerr << "[" << kind << "] " << message.caption << ": " << message.text << "\n";
    return IDOK;
}
