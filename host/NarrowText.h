#pragma once

#include <cstddef>
#include <string>

#include "platform/CString.h"

// A name or value in UTF-8, as the XML library takes it. Names, numbers and most texts of a rule
// document are ASCII and shorter than a line, so such a text is narrowed into a buffer on the
// stack; any other goes through the heap.
class NarrowText {
public:
    explicit NarrowText(const wchar_t* text);
    // A text whose length is known is not measured again. Read as a C string, what it gives
    // ends at the text's first null all the same.
    explicit NarrowText(const CString& text);
    NarrowText(const NarrowText&) = delete;
    NarrowText& operator=(const NarrowText&) = delete;

    const char* c_str() const { return m_text; }

private:
    void Narrow(const wchar_t* text, std::size_t length);

    static constexpr std::size_t kBufferSize = 256;

    char m_buffer[kBufferSize];
    std::string m_long;
    const char* m_text = m_buffer;
};
