#include "host/NarrowText.h"

#include <cstdint>
#include <cwchar>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/Utf.h"

namespace {

bool IsAscii(wchar_t ch) {
    return static_cast<std::uint32_t>(ch) < 0x80;
}

#if defined(__SSE2__)
// Narrows eight characters at a time while they are all ASCII; returns how many it narrowed.
// Descriptions run to hundreds of characters, which one character at a time costs more than
// any other step of writing them.
std::size_t NarrowAsciiBlocks(const wchar_t* text, std::size_t length, char* out) {
    static_assert(sizeof(wchar_t) == 4);
    const __m128i notAscii = _mm_set1_epi32(~0x7F);
    std::size_t done = 0;
    for (; done + 8 <= length; done += 8) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + done));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + done + 4));
        const __m128i beyond = _mm_and_si128(_mm_or_si128(low, high), notAscii);
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(beyond, _mm_setzero_si128())) != 0xFFFF) {
            break;
        }
        const __m128i words = _mm_packs_epi32(low, high);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + done), _mm_packus_epi16(words, words));
    }
    return done;
}
#else
std::size_t NarrowAsciiBlocks(const wchar_t*, std::size_t, char*) {
    return 0;
}
#endif

}  // namespace

NarrowText::NarrowText(const wchar_t* wide) {
    const wchar_t* text = wide ? wide : L"";
    Narrow(text, std::wcslen(text));
}

NarrowText::NarrowText(const CString& text) {
    Narrow(text.GetString(), static_cast<std::size_t>(text.GetLength()));
}

void NarrowText::Narrow(const wchar_t* text, std::size_t length) {
    if (length < kBufferSize) {
        std::size_t at = NarrowAsciiBlocks(text, length, m_buffer);
        for (; at < length && IsAscii(text[at]); ++at) {
            m_buffer[at] = static_cast<char>(text[at]);
        }
        if (at == length) {
            m_buffer[length] = '\0';
            return;
        }
    }
    m_long = platform::Utf8FromWide(std::wstring_view(text, std::wcslen(text)));
    m_text = m_long.c_str();
}
