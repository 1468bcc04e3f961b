#include "host/NarrowText.h"

#include <cwchar>

#include "platform/Utf.h"

NarrowText::NarrowText(const wchar_t* wide) {
    const wchar_t* text = wide ? wide : L"";
    const std::size_t length = std::wcslen(text);
    // Two plain passes over a known length, which the compiler makes short work of.
    wchar_t all = 0;
    for (std::size_t i = 0; i < length; ++i) {
        all |= text[i];
    }
    if (length >= kBufferSize || static_cast<unsigned>(all) >= 0x80) {
        m_long = platform::Utf8FromWide(std::wstring_view(text, length));
        m_text = m_long.c_str();
        return;
    }
    for (std::size_t i = 0; i < length; ++i) {
        m_buffer[i] = static_cast<char>(text[i]);
    }
    m_buffer[length] = '\0';
}
