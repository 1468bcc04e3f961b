#include "platform/Utf.h"

#include <gtest/gtest.h>

namespace {

using platform::Utf8FromWide;
using platform::WideFromUtf8;

TEST(Utf, RoundTripsEveryPlane) {
    const std::wstring texts[] = {
        L"",
        L"plain",
        L"Å µm °",
        L"中文 简体",
        std::wstring(L"emoji \U0001F600 end"),
        std::wstring(1, L'\0') + L"after a null",
        std::wstring(1, static_cast<wchar_t>(0x10FFFF)),
    };
    for (const std::wstring& text : texts) {
        EXPECT_EQ(WideFromUtf8(Utf8FromWide(text)), text);
    }
    EXPECT_EQ(Utf8FromWide(L"Å"), "\xC3\x85");
    EXPECT_EQ(Utf8FromWide(L"中"), "\xE4\xB8\xAD");
    EXPECT_EQ(Utf8FromWide(L"\U0001F600"), "\xF0\x9F\x98\x80");
}

TEST(Utf, BrokenSequencesBecomeReplacements) {
    const std::wstring r(1, static_cast<wchar_t>(0xFFFD));
    struct Case {
        std::string bytes;
        std::wstring wide;
    };
    const Case cases[] = {
        {"\xFF", r},
        {"a\x80"
         "b",
         L"a" + r + L"b"},  // stray continuation byte
        {"\xE4\xB8", r},    // cut off at the end
        {"\xE4"
         "A",
         r + L"A"},                                   // cut off by an ASCII byte, which survives
        {"\xC0\x80", r},                              // overlong zero
        {"\xE0\x80\xAF", r},                          // overlong slash
        {"\xED\xA0\x80", r},                          // UTF-16 surrogate
        {"\xF4\x90\x80\x80", r},                      // above U+10FFFF
        {"\xF8\x88\x80\x80\x80", r + r + r + r + r},  // five-byte form does not exist
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WideFromUtf8(c.bytes), c.wide) << "bytes of length " << c.bytes.size();
    }
}

TEST(Utf, UnencodableWideCharactersBecomeReplacement) {
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(Utf8FromWide(std::wstring(1, static_cast<wchar_t>(0xD800))), replacement);
    EXPECT_EQ(Utf8FromWide(std::wstring(1, static_cast<wchar_t>(0x110000))), replacement);
}

}  // namespace
