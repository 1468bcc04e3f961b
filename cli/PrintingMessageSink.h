#pragma once

#include <ostream>

#include "platform/MessageSink.h"

// Shows message boxes, balloon tips and opened help topics as lines on a stream and answers OK.
class CPrintingMessageSink : public IMessageSink {
public:
    explicit CPrintingMessageSink(std::ostream& out) : m_out(out) {}
    int Show(const ShownMessage& message) override;

private:
    std::ostream& m_out;
};

// Installs a sink for the lifetime of the object, then puts back the one before.
class CScopedMessageSink {
public:
    explicit CScopedMessageSink(IMessageSink& sink) : m_previous(GetMessageSink()) {
        SetMessageSink(&sink);
    }
    ~CScopedMessageSink() { SetMessageSink(&m_previous); }
    CScopedMessageSink(const CScopedMessageSink&) = delete;
    CScopedMessageSink& operator=(const CScopedMessageSink&) = delete;

private:
    IMessageSink& m_previous;
};
