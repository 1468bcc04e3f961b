#include "check/ReportLanguage.h"

#include <optional>
#include <string_view>

#include "app/CTeskCommonRulesApp.h"
#include "platform/Utf.h"

namespace check {
namespace {

// The ids of what the checker writes in English, in every language library.
constexpr UINT kFirstCheckerText = 2520;
constexpr UINT kLastCheckerText = 2599;

std::string Utf8(const CString& text) {
    return platform::Utf8FromWide(text.str());
}

CString Wide(const std::string& text) {
    return CString(platform::WideFromUtf8(text));
}

// What each %s of the pattern stands for when the text fits it, the fixed parts found from the
// left; nothing when it does not fit.
std::optional<std::vector<std::string>> Fitted(std::string_view pattern, std::string_view text) {
    constexpr std::string_view kSlot = "%s";
    std::size_t slot = pattern.find(kSlot);
    if (slot == std::string_view::npos || !text.starts_with(pattern.substr(0, slot))) {
        return std::nullopt;
    }
    std::size_t at = slot;
    std::vector<std::string> parts;
    while (slot != std::string_view::npos) {
        const std::size_t fixedStart = slot + kSlot.size();
        const std::size_t next = pattern.find(kSlot, fixedStart);
        const std::string_view fixed = pattern.substr(fixedStart, next - fixedStart);
        const std::size_t found = next == std::string_view::npos
                                      ? (text.ends_with(fixed) && text.size() - fixed.size() > at
                                             ? text.size() - fixed.size()
                                             : std::string_view::npos)
                                      : text.find(fixed, at + 1);
        if (found == std::string_view::npos) {
            return std::nullopt;
        }
        parts.emplace_back(text.substr(at, found - at));
        at = found + fixed.size();
        slot = next;
    }
    return parts;
}

}  // namespace

ReportLanguage::ReportLanguage(HINSTANCE language, HINSTANCE english)
    : m_language(language), m_english(english) {
    for (UINT id = kFirstCheckerText; id <= kLastCheckerText; ++id) {
        const CString& text = LoadStringReference(m_english, id);
        if (!text.IsEmpty()) {
            m_known.push_back({Utf8(text), id});
        }
    }
}

ReportLanguage ReportLanguage::English() {
    const HINSTANCE english = g_pTheApp ? g_pTheApp->m_hEnglishResDll : nullptr;
    return ReportLanguage(english, english);
}

ReportLanguage ReportLanguage::Chosen() {
    return g_pTheApp ? ReportLanguage(g_pTheApp->m_hLangResDll, g_pTheApp->m_hEnglishResDll)
                     : English();
}

std::string ReportLanguage::Format(UINT id, std::initializer_list<std::string> texts) const {
    const CString& own = LoadStringReference(m_language, id);
    const CString& format = own.IsEmpty() ? LoadStringReference(m_english, id) : own;
    std::vector<CString> wide;
    wide.reserve(texts.size());
    for (const std::string& text : texts) {
        wide.push_back(Wide(text));
    }
    // The report's formats take at most seven texts; the slots after the given ones stay empty.
    wide.resize(7);
    CString filled;
    filled.FormatTexts(format, {wide[0], wide[1], wide[2], wide[3], wide[4], wide[5], wide[6]});
    return Utf8(filled);
}

std::string ReportLanguage::Translated(const std::string& english) const {
    if (m_language == m_english) {
        return english;
    }
    for (const KnownText& known : m_known) {
        if (known.english == english) {
            const CString& own = LoadStringReference(m_language, known.id);
            return own.IsEmpty() ? english : Utf8(own);
        }
    }
    for (const KnownText& known : m_known) {
        if (const std::optional<std::vector<std::string>> parts = Fitted(known.english, english)) {
            std::vector<std::string> translated;
            for (const std::string& part : *parts) {
                translated.push_back(Translated(part));
            }
            translated.resize(2);
            return Format(known.id, {translated[0], translated[1]});
        }
    }
    return english;
}

const std::string& ReportLanguage::RuleName(const std::string& english,
                                            const std::string& shown) const {
    return m_language == m_english || shown.empty() ? english : shown;
}

}  // namespace check
