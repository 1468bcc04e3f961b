#pragma once

#include "platform/MessageSink.h"

// Shows message boxes and balloon tips as lines on standard error and answers OK.
class CPrintingMessageSink : public IMessageSink {
public:
    int Show(const ShownMessage& message) override;
};
