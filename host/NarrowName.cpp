#include "host/NarrowName.h"

#include "platform/Utf.h"

NarrowName::NarrowName(const wchar_t* name) {
    const wchar_t* text = name ? name : L"";
    std::size_t length = 0;
    for (; text[length] != L'\0'; ++length) {
        if (length + 1 >= kBufferSize || static_cast<unsigned>(text[length]) >= 0x80) {
            m_long = platform::Utf8FromWide(text);
            m_text = m_long.c_str();
            return;
        }
        m_buffer[length] = static_cast<char>(text[length]);
    }
    m_buffer[length] = '\0';
}
