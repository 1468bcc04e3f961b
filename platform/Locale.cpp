#include "platform/Locale.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

#include "platform/Utf.h"

namespace platform {
namespace {

struct KnownLocale {
    std::string_view language;
    std::string_view country;
    LANGID langId;
};

// The first entry of each language is its default country.
constexpr std::array<KnownLocale, 36> kKnownLocales{{
    {"en", "US", 0x0409}, {"en", "GB", 0x0809}, {"en", "AU", 0x0C09}, {"en", "CA", 0x1009},
    {"fr", "FR", 0x040C}, {"fr", "BE", 0x080C}, {"fr", "CA", 0x0C0C}, {"fr", "CH", 0x100C},
    {"de", "DE", 0x0407}, {"de", "CH", 0x0807}, {"de", "AT", 0x0C07}, {"es", "ES", 0x040A},
    {"es", "MX", 0x080A}, {"it", "IT", 0x0410}, {"it", "CH", 0x0810}, {"ja", "JP", 0x0411},
    {"ko", "KR", 0x0412}, {"pl", "PL", 0x0415}, {"pt", "BR", 0x0416}, {"pt", "PT", 0x0816},
    {"ru", "RU", 0x0419}, {"cs", "CZ", 0x0405}, {"zh", "TW", 0x0404}, {"zh", "CN", 0x0804},
    {"zh", "HK", 0x0C04}, {"zh", "SG", 0x1004}, {"nl", "NL", 0x0413}, {"sv", "SE", 0x041D},
    {"da", "DK", 0x0406}, {"fi", "FI", 0x040B}, {"nb", "NO", 0x0414}, {"hu", "HU", 0x040E},
    {"tr", "TR", 0x041F}, {"el", "GR", 0x0408}, {"uk", "UA", 0x0422}, {"sk", "SK", 0x041B},
}};

constexpr LANGID kUsEnglish = 0x0409;

std::string LocaleSetting() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = std::getenv(name); value && *value) {
            return value;
        }
    }
    return {};
}

}  // namespace

LocaleName EnvironmentLocale() {
    std::string setting = LocaleSetting();
    setting = setting.substr(0, setting.find_first_of(".@"));
    if (setting.empty() || setting == "C" || setting == "POSIX") {
        return {"en", "US"};
    }
    const std::size_t underscore = setting.find('_');
    if (underscore == std::string::npos) {
        return {setting, ""};
    }
    return {setting.substr(0, underscore), setting.substr(underscore + 1)};
}

LANGID LangIdFromLocale(const LocaleName& locale) {
    const KnownLocale* languageDefault = nullptr;
    for (const KnownLocale& known : kKnownLocales) {
        if (known.language != locale.language) {
            continue;
        }
        if (known.country == locale.country) {
            return known.langId;
        }
        if (!languageDefault) {
            languageDefault = &known;
        }
    }
    return languageDefault ? languageDefault->langId : kUsEnglish;
}

LocaleName LocaleFromLangId(LANGID langId) {
    const auto found =
        std::find_if(kKnownLocales.begin(), kKnownLocales.end(),
                     [langId](const KnownLocale& known) { return known.langId == langId; });
    if (found == kKnownLocales.end()) {
        return {"en", "US"};
    }
    return {std::string(found->language), std::string(found->country)};
}

}  // namespace platform

LANGID GetUserDefaultLangID() {
    return platform::LangIdFromLocale(platform::EnvironmentLocale());
}

LCID GetSystemDefaultLCID() {
    return GetUserDefaultLangID();
}

int GetLocaleInfoW(LCID locale, DWORD type, LPWSTR buffer, int size) {
    const platform::LocaleName name = locale == GetSystemDefaultLCID()
                                          ? platform::EnvironmentLocale()
                                          : platform::LocaleFromLangId(static_cast<LANGID>(locale));
    std::string text;
    if (type == LOCALE_SISO639LANGNAME) {
        text = name.language;
    } else if (type == LOCALE_SISO3166CTRYNAME) {
        text = name.country;
    } else {
        return 0;
    }
    const std::wstring wide = platform::WideFromUtf8(text);
    const int needed = static_cast<int>(wide.size()) + 1;
    if (!buffer || size < needed) {
        return 0;
    }
    std::copy(wide.begin(), wide.end(), buffer);
    buffer[wide.size()] = L'\0';
    return needed;
}
