#include "check/geometry/AsciiStlFacets.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <string>
#include <string_view>

namespace check {

std::size_t AsciiStlFacets(const std::filesystem::path& path, std::size_t atMost) {
    constexpr std::string_view kWord = "endfacet";
    constexpr std::size_t kPiece = 1 << 20;
    std::ifstream in(path, std::ios::binary);
    // The last bytes of the piece before, so that a word split between pieces is found.
    std::string text;
    std::string piece(kPiece, '\0');
    std::size_t facets = 0;
    while (facets <= atMost && in) {
        in.read(piece.data(), static_cast<std::streamsize>(kPiece));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got == 0) {
            break;
        }
        text.append(piece, 0, got);
        std::ranges::transform(text, text.begin(),
                               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        for (std::size_t at = text.find(kWord); at != std::string::npos;
             at = text.find(kWord, at + kWord.size())) {
            ++facets;
        }
        text.erase(0, text.size() - std::min(text.size(), kWord.size() - 1));
    }
    return facets;
}

}  // namespace check
