#include "host/NarrowText.h"

#include <cstdint>

#include "platform/Utf.h"

NarrowText::NarrowText(const wchar_t* wide) {
    const wchar_t* text = wide ? wide : L"";
    char* out = m_buffer;
    for (const wchar_t* at = text; *at != L'\0'; ++at, ++out) {
        if (out == m_buffer + kBufferSize - 1 || static_cast<std::uint32_t>(*at) >= 0x80) {
            m_long = platform::Utf8FromWide(text);
            m_text = m_long.c_str();
            return;
        }
        *out = static_cast<char>(*at);
    }
    *out = '\0';
}
