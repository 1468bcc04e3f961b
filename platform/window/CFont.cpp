#include "platform/window/CFont.h"

#include <algorithm>
#include <cwchar>
#include <unordered_map>

namespace {

struct FontTable {
    std::unordered_map<HFONT, CFont*> fonts;
    std::uintptr_t lastHandle = 0;
};

FontTable& Fonts() {
    static auto* table = new FontTable;
    return *table;
}

}  // namespace

CFont::~CFont() {
    DeleteObject();
}

BOOL CFont::CreatePointFont(int pointSize, LPCWSTR faceName, CDC*) {
    LOGFONT logFont;
    // Tenths of a point to pixels at 96 dots per inch, rounded.
    logFont.lfHeight = -((pointSize * 96 + 360) / 720);
    std::wcsncpy(logFont.lfFaceName, faceName ? faceName : L"", std::size(logFont.lfFaceName) - 1);
    return CreateFontIndirect(&logFont);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont) {
    if (!logFont) {
        return FALSE;
    }
    DeleteObject();
    m_logFont = *logFont;
    m_logFont.lfFaceName[std::size(m_logFont.lfFaceName) - 1] = L'\0';
    FontTable& table = Fonts();
    m_hObject = reinterpret_cast<HFONT>(++table.lastHandle);
    table.fonts.emplace(m_hObject, this);
    return TRUE;
}

BOOL CFont::DeleteObject() {
    if (!m_hObject) {
        return FALSE;
    }
    Fonts().fonts.erase(m_hObject);
    m_hObject = nullptr;
    return TRUE;
}

int CFont::GetLogFont(LOGFONT* logFont) const {
    if (!m_hObject || !logFont) {
        return 0;
    }
    *logFont = m_logFont;
    return sizeof(LOGFONT);
}

CFont* CFont::FromHandle(HFONT font) {
    const FontTable& table = Fonts();
    const auto found = table.fonts.find(font);
    return found == table.fonts.end() ? nullptr : found->second;
}
