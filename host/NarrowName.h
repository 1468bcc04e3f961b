#pragma once

#include <cstddef>
#include <string>

// An element or attribute name in UTF-8, as the XML library takes it. Names are short and
// ASCII, so one is narrowed into a buffer on the stack; any other goes through the heap.
class NarrowName {
public:
    explicit NarrowName(const wchar_t* name);
    NarrowName(const NarrowName&) = delete;
    NarrowName& operator=(const NarrowName&) = delete;

    const char* c_str() const { return m_text; }

private:
    static constexpr std::size_t kBufferSize = 64;

    char m_buffer[kBufferSize];
    std::string m_long;
    const char* m_text = m_buffer;
};
