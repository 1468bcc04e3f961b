#include "app/LanguageSelection.h"

#include <array>

#include "platform/Locale.h"
#include "platform/Registry.h"

namespace {

constexpr DWORD kNotSet = 0xFFFFFFFF;
constexpr DWORD kFollowHost = 1;
constexpr DWORD kEnglishOnly = 0;

struct LanguageName {
    LANGID langId;
    const wchar_t* name;
};

constexpr std::array<LanguageName, 13> kLanguages{{
    {0x0404, L"chinese"},
    {0x0405, L"czech"},
    {0x0407, L"german"},
    {0x0409, L"english"},
    {0x040A, L"spanish"},
    {0x040C, L"french"},
    {0x0410, L"italian"},
    {0x0411, L"japanese"},
    {0x0412, L"korean"},
    {0x0415, L"polish"},
    {0x0416, L"portuguese-brazilian"},
    {0x0419, L"russian"},
    {0x0804, L"chinese-simplified"},
}};

// The registry number, or the preset when the key or a 32-bit value of that name is missing.
DWORD ReadRegistryNumber(const CString& subKey, const wchar_t* valueName, DWORD preset) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return preset;
    }
    DWORD type = 0;
    DWORD value = preset;
    DWORD size = sizeof value;
    const LONG result =
        RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_DWORD && size == sizeof value ? value : preset;
}

bool HostForcesEnglish() {
    for (const wchar_t* version : {kHostVersion2007, kHostVersion2008}) {
        const CString key = CString(L"SOFTWARE\\Corvid\\") + version + L"\\General";
        if (ReadRegistryNumber(key, L"Use English language", kNotSet) == 1) {
            return true;
        }
    }
    return false;
}

// The system locale's "language_COUNTRY", each part at most eight characters.
CString SystemLocaleFolder() {
    const LCID locale = GetSystemDefaultLCID();
    std::array<wchar_t, 9> language{};
    std::array<wchar_t, 9> country{};
    GetLocaleInfoW(locale, LOCALE_SISO639LANGNAME, language.data(),
                   static_cast<int>(language.size()));
    GetLocaleInfoW(locale, LOCALE_SISO3166CTRYNAME, country.data(),
                   static_cast<int>(country.size()));
    return CString(language.data()) + L"_" + country.data();
}

}  // namespace

CString LanguageNameFromLangId(LANGID langId) {
    for (const LanguageName& language : kLanguages) {
        if (language.langId == langId) {
            return language.name;
        }
    }
    return L"english";
}

CString DetermineLanguage() {
    const platform::RegistryReading reading;
    DWORD option = ReadRegistryNumber(kModuleRegistryKey, L"OptionsLanguage", kNotSet);
    if (option == kNotSet) {
        option = kFollowHost;
    }
    if (option == kEnglishOnly) {
        return L"english";
    }
    if (option == kFollowHost) {
        return HostForcesEnglish() ? CString(L"english")
                                   : LanguageNameFromLangId(GetUserDefaultLangID());
    }
    return LanguageNameFromLangId(static_cast<LANGID>(option <= 0xFFFF ? option : 0));
}

CString LanguageFolderFor(const CString& language) {
    if (language == L"chinese-simplified" || language == L"chinese") {
        return SystemLocaleFolder();
    }
    if (language == L"japanese" || language == L"korean" || language == L"french") {
        return language;
    }
    return L"english";
}
