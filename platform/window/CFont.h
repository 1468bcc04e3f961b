#pragma once

#include "platform/window/WindowMessages.h"

class CDC;

constexpr LONG FW_NORMAL = 400;

struct LOGFONT {
    LONG lfHeight = 0;  // negative: the character height in pixels
    LONG lfWeight = FW_NORMAL;
    WCHAR lfFaceName[32] = {};
};

// A font: a face name and a size. Windows keep the font's handle; once the font is deleted,
// its handle finds nothing, so a window never reads back a font that no longer exists.
class CFont {
public:
    CFont() = default;
    ~CFont();
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // Size in tenths of a point, as on a 96 dpi screen. A font created before is replaced.
    BOOL CreatePointFont(int pointSize, LPCWSTR faceName, CDC* dc = nullptr);
    BOOL CreateFontIndirect(const LOGFONT* logFont);
    BOOL DeleteObject();
    // Returns the size of the record written; 0 for a font not created.
    int GetLogFont(LOGFONT* logFont) const;

    operator HFONT() const { return m_hObject; }  // NOLINT: converts as on the platform
    // The font with this handle, or null.
    static CFont* FromHandle(HFONT font);

    HFONT m_hObject = nullptr;

private:
    LOGFONT m_logFont;
};
