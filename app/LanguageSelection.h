#pragma once

#include <string_view>

#include "platform/CString.h"
#include "platform/WinTypes.h"

// The language the user wants: the module's own registry setting "OptionsLanguage" (0 English,
// 1 or absent: follow the host CAD system and the user's language, else a language
// identifier), and the host's "Use English language" setting.
CString DetermineLanguage();
// One of the thirteen language names the module knows; "english" for any other identifier.
CString LanguageNameFromLangId(LANGID langId);
// The folder under Lang/ holding the language's resource library and help file.
CString LanguageFolderFor(const CString& language);

// The registry keys the language choice reads, under HKEY_CURRENT_USER.
inline constexpr const wchar_t* kModuleRegistryKey =
    L"SOFTWARE\\Halvard\\KVL_PRODUCT\\Veritor\\Add-in";
inline constexpr const wchar_t* kHostVersion2007 = L"Corvid 2007";
inline constexpr const wchar_t* kHostVersion2008 = L"Corvid 2008";
