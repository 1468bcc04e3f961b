#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Measures texts as a screen draws them: the font found by its family name (through fontconfig,
// as the desktop finds it) at a point size on a 96-dpi screen, each character's advance added up.
namespace resgen {

class TextMeasure {
public:
    // Throws std::runtime_error when no font can be opened for the name.
    TextMeasure(const std::string& family, unsigned points);
    ~TextMeasure();
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;

    // The width in pixels of a UTF-8 text; nothing when the font lacks one of its characters,
    // whose code point goes to missing.
    std::optional<int> Width(std::string_view utf8, char32_t& missing) const;
    // The file the family name led to.
    const std::string& FontFile() const { return m_file; }

private:
    struct Face;
    std::unique_ptr<Face> m_face;
    std::string m_file;
};

}  // namespace resgen
