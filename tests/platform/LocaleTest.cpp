#include "platform/Locale.h"

#include <gtest/gtest.h>

#include <array>
#include <cwchar>

#include "tests/platform/TestSupport.h"

namespace {

using Setting = std::optional<std::string>;

// The three variables that name the locale, all set (or removed) for one case.
struct LocaleEnvironment {
    LocaleEnvironment(const Setting& all, const Setting& messages, const Setting& lang)
        : m_all("LC_ALL", all), m_messages("LC_MESSAGES", messages), m_lang("LANG", lang) {}

    ScopedEnvironment m_all;
    ScopedEnvironment m_messages;
    ScopedEnvironment m_lang;
};

std::wstring LocaleInfo(LCID locale, DWORD type) {
    std::array<wchar_t, 16> buffer{};
    const int written =
        GetLocaleInfoW(locale, type, buffer.data(), static_cast<int>(buffer.size()));
    EXPECT_EQ(static_cast<std::size_t>(written), written ? std::wcslen(buffer.data()) + 1 : 0);
    return buffer.data();
}

TEST(Locale, EnvironmentPrecedenceAndLanguageIdentifiers) {
    const Setting none;
    struct Case {
        Setting all, messages, lang;
        LANGID langId;
        const wchar_t* language;
        const wchar_t* country;
    };
    const Case cases[] = {
        {"fr_FR.UTF-8", "de_DE.UTF-8", "ja_JP.UTF-8", 0x040C, L"fr", L"FR"},
        {"", "zh_CN.UTF-8", "de_DE", 0x0804, L"zh", L"CN"},  // an empty setting does not count
        {none, none, "zh_TW.Big5", 0x0404, L"zh", L"TW"},
        {none, "ko_KR.UTF-8", none, 0x0412, L"ko", L"KR"},
        {"de_DE@euro", none, none, 0x0407, L"de", L"DE"},
        {"fr_CA", none, none, 0x0C0C, L"fr", L"CA"},
        {"fr", none, none, 0x040C, L"fr", nullptr},  // the language's first country
        {"de_LU.UTF-8", none, none, 0x0407, L"de", L"LU"},
        {"pt_BR.UTF-8", none, none, 0x0416, L"pt", L"BR"},
        {"xx_YY.UTF-8", none, none, 0x0409, L"xx", L"YY"},  // unknown: US English
        {"C", "fr_FR", "fr_FR", 0x0409, L"en", L"US"},
        {"POSIX", none, none, 0x0409, L"en", L"US"},
        {"C.UTF-8", none, none, 0x0409, L"en", L"US"},
        {none, none, none, 0x0409, L"en", L"US"},
        {"", "", "", 0x0409, L"en", L"US"},
    };
    for (const Case& c : cases) {
        const LocaleEnvironment environment(c.all, c.messages, c.lang);
        const std::string what =
            c.all.value_or("-") + " / " + c.messages.value_or("-") + " / " + c.lang.value_or("-");
        EXPECT_EQ(GetUserDefaultLangID(), c.langId) << what;
        EXPECT_EQ(GetSystemDefaultLCID(), c.langId) << what;
        EXPECT_EQ(LocaleInfo(GetSystemDefaultLCID(), LOCALE_SISO639LANGNAME), c.language) << what;
        if (c.country) {
            EXPECT_EQ(LocaleInfo(GetSystemDefaultLCID(), LOCALE_SISO3166CTRYNAME), c.country)
                << what;
        }
    }
}

TEST(Locale, InfoForAnotherLocaleAndShortBuffers) {
    const LocaleEnvironment environment("de_DE.UTF-8", std::nullopt, std::nullopt);
    EXPECT_EQ(LocaleInfo(0x0411, LOCALE_SISO639LANGNAME), L"ja");
    EXPECT_EQ(LocaleInfo(0x0411, LOCALE_SISO3166CTRYNAME), L"JP");
    EXPECT_EQ(LocaleInfo(0x0804, LOCALE_SISO3166CTRYNAME), L"CN");

    std::array<wchar_t, 3> buffer{L'?', L'?', L'?'};
    EXPECT_EQ(GetLocaleInfoW(0x0411, LOCALE_SISO639LANGNAME, buffer.data(), 3), 3);
    EXPECT_EQ(GetLocaleInfoW(0x0411, LOCALE_SISO639LANGNAME, buffer.data(), 2), 0);
    EXPECT_EQ(GetLocaleInfoW(0x0411, LOCALE_SISO639LANGNAME, nullptr, 3), 0);
    EXPECT_EQ(GetLocaleInfoW(0x0411, 0x1234, buffer.data(), 3), 0);
}

}  // namespace
