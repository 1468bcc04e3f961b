#include "resources/tools/TextMeasure.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>

#include "platform/Utf.h"

namespace resgen {
namespace {

constexpr unsigned kScreenDpi = 96;

struct MatchedFont {
    std::string path;
    int index = 0;
};

// The file fontconfig chooses for the family, as a desktop would. The configuration is our own
// and released afterwards, so nothing of fontconfig's outlives the measuring.
MatchedFont MatchFont(const std::string& family) {
    const std::unique_ptr<FcConfig, decltype(&FcConfigDestroy)> config(FcInitLoadConfigAndFonts(),
                                                                       &FcConfigDestroy);
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(
        FcNameParse(reinterpret_cast<const FcChar8*>(family.c_str())), &FcPatternDestroy);
    if (!config || !pattern) {
        throw std::runtime_error("no font configuration to find " + family + " in");
    }
    FcConfigSubstitute(config.get(), pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> match(
        FcFontMatch(config.get(), pattern.get(), &result), &FcPatternDestroy);
    MatchedFont font;
    FcChar8* file = nullptr;
    if (match && FcPatternGetString(match.get(), FC_FILE, 0, &file) == FcResultMatch) {
        font.path = reinterpret_cast<const char*>(file);
        FcPatternGetInteger(match.get(), FC_INDEX, 0, &font.index);
    }
    if (font.path.empty()) {
        throw std::runtime_error("no font found for " + family);
    }
    return font;
}

}  // namespace

struct TextMeasure::Face {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~Face() {
        if (face) {
            FT_Done_Face(face);
        }
        if (library) {
            FT_Done_FreeType(library);
        }
    }
};

TextMeasure::TextMeasure(const std::string& family, unsigned points)
    : m_face(std::make_unique<Face>()) {
    const MatchedFont font = MatchFont(family);
    m_file = font.path;
    if (FT_Init_FreeType(&m_face->library) != 0 ||
        FT_New_Face(m_face->library, font.path.c_str(), font.index, &m_face->face) != 0 ||
        FT_Set_Char_Size(m_face->face, 0, static_cast<FT_F26Dot6>(points) * 64, kScreenDpi,
                         kScreenDpi) != 0) {
        throw std::runtime_error("font file " + font.path + " cannot be opened");
    }
}

TextMeasure::~TextMeasure() = default;

std::optional<int> TextMeasure::Width(std::string_view utf8, char32_t& missing) const {
    FT_Pos advance = 0;
    for (const wchar_t ch : platform::WideFromUtf8(utf8)) {
        const FT_UInt glyph = FT_Get_Char_Index(m_face->face, static_cast<FT_ULong>(ch));
        if (glyph == 0 || FT_Load_Glyph(m_face->face, glyph, FT_LOAD_DEFAULT) != 0) {
            missing = static_cast<char32_t>(ch);
            return std::nullopt;
        }
        advance += m_face->face->glyph->advance.x;
    }
    return static_cast<int>((advance + 63) / 64);
}

}  // namespace resgen
