#pragma once

#include <string>

#include "platform/WinTypes.h"

// The user's language and the system locale, both taken from the environment: LC_ALL, else
// LC_MESSAGES, else LANG. "fr_FR.UTF-8" is language identifier 0x040C; "C", "POSIX" or no
// setting is US English (0x0409).
constexpr DWORD LOCALE_SISO639LANGNAME = 0x59;
constexpr DWORD LOCALE_SISO3166CTRYNAME = 0x5A;

LANGID GetUserDefaultLangID();
LCID GetSystemDefaultLCID();
// Writes the locale's ISO name into buffer (at most size characters with the terminator) and
// returns the characters written including the terminator; 0 when it does not fit.
int GetLocaleInfoW(LCID locale, DWORD type, LPWSTR buffer, int size);

namespace platform {

struct LocaleName {
    std::string language;  // ISO 639, e.g. "zh"
    std::string country;   // ISO 3166, e.g. "CN"; may be empty
};

// The locale named by the environment, "C" and "POSIX" read as en_US.
LocaleName EnvironmentLocale();
LANGID LangIdFromLocale(const LocaleName& locale);
LocaleName LocaleFromLangId(LANGID langId);

}  // namespace platform
