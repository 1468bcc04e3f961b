#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/ModuleLibrary.h"
#include "platform/WinTypes.h"

namespace check {

// The texts of a check report as a person reads them: in the language the module chose (by the
// registry or the locale, as its dialogs are) or in English. The report's own lines are formats
// of the language library; what the checker writes in English (reasons, limits' and figures'
// names, which the JSON keeps) is found in the English library by its text and shown as the
// language library words it.
class ReportLanguage {
public:
    static ReportLanguage English();
    // The language the module chose; English texts where the language library lacks one.
    static ReportLanguage Chosen();

    // The report format with this id filled in with these texts, in UTF-8.
    std::string Format(UINT id, std::initializer_list<std::string> texts) const;
    // A text the checker wrote in English in this language: a text of the library's own, or one
    // of its patterns ("rib on a wall %s thick") with what its %s stand for in this language; as
    // it is when the library has neither.
    std::string Translated(const std::string& english) const;
    // Where a rule is named: the name the module shows in this language, else its English name.
    const std::string& RuleName(const std::string& english, const std::string& shown) const;

private:
    ReportLanguage(HINSTANCE language, HINSTANCE english);

    struct KnownText {
        std::string english;
        UINT id;
    };

    HINSTANCE m_language = nullptr;
    HINSTANCE m_english = nullptr;
    std::vector<KnownText> m_known;
};

}  // namespace check
