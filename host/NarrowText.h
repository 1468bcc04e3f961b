#pragma once

#include <cstddef>
#include <string>

// A name or value in UTF-8, as the XML library takes it. Names, numbers and most texts of a rule
// document are ASCII and shorter than a line, so such a text is narrowed into a buffer on the
// stack; any other goes through the heap.
class NarrowText {
public:
    explicit NarrowText(const wchar_t* text);
    NarrowText(const NarrowText&) = delete;
    NarrowText& operator=(const NarrowText&) = delete;

    const char* c_str() const { return m_text; }

private:
    static constexpr std::size_t kBufferSize = 256;

    char m_buffer[kBufferSize];
    std::string m_long;
    const char* m_text = m_buffer;
};
