#pragma once

#include <cstddef>
#include <filesystem>

namespace check {

// The facets of an ASCII STL counted without reading it whole: its words "endfacet" (in any
// case), read a piece at a time, stopping once more than atMost are found.
std::size_t AsciiStlFacets(const std::filesystem::path& path, std::size_t atMost);

// No ASCII facet takes fewer bytes ("facet", "outer loop", three "vertex x y z", "endloop",
// "endfacet" with one-digit numbers): a file no larger than this many per allowed triangle
// needs no counting.
inline constexpr std::size_t kSmallestAsciiFacetBytes = 64;

}  // namespace check
