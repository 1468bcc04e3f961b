#include "params/SeverityText.h"

#include <array>

#include "app/CTeskCommonRulesApp.h"
#include "app/ResourceHandleSwitch.h"

namespace {

constexpr UINT IDS_SEVERITY_VERY_LOW = 2014;
constexpr UINT IDS_SEVERITY_LOW = 2015;
constexpr UINT IDS_SEVERITY_MEDIUM = 2016;
constexpr UINT IDS_SEVERITY_HIGH = 2017;
constexpr UINT IDS_SEVERITY_VERY_HIGH = 2018;

constexpr std::int32_t kLowestSeverity = 1;
constexpr std::int32_t kHighestSeverity = 5;

// Indexed by list position, which is the severity less one.
constexpr std::array<UINT, kHighestSeverity - kLowestSeverity + 1> kSeverityTextIds = {
    IDS_SEVERITY_VERY_LOW, IDS_SEVERITY_LOW, IDS_SEVERITY_MEDIUM, IDS_SEVERITY_HIGH,
    IDS_SEVERITY_VERY_HIGH};

std::array<CString, kSeverityTextIds.size()> LoadSeverityTexts(HINSTANCE library) {
    std::array<CString, kSeverityTextIds.size()> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = LoadString(library, kSeverityTextIds[i]);
    }
    return texts;
}

}  // namespace

std::int32_t SeverityFromText(const CString& text) {
    std::array<CString, kSeverityTextIds.size()> texts;
    {
        CResourceHandleSwitch languageResources;
        texts = LoadSeverityTexts(AfxGetResourceHandle());
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] == text) {
            return kLowestSeverity + static_cast<std::int32_t>(i);
        }
    }
    return 0;
}

CString SeverityText(std::int32_t severity) {
    const std::int32_t index = SeverityListIndex(severity);
    return index < 0 ? CString()
                     : LoadLanguageString(kSeverityTextIds[static_cast<std::size_t>(index)]);
}

std::int32_t SeverityListIndex(std::int32_t severity) {
    return severity >= kLowestSeverity && severity <= kHighestSeverity ? severity - kLowestSeverity
                                                                       : -1;
}

void FillSeverityList(CStringList& list) {
    list.RemoveAll();
    for (const CString& text : LoadSeverityTexts(g_pTheApp ? g_pTheApp->m_hLangResDll : nullptr)) {
        list.AddTail(text);
    }
}
