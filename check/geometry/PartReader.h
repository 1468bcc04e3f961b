#pragma once

#include <cstddef>
#include <filesystem>

#include "check/geometry/Part.h"

namespace check {

// Reads a part in this process: STEP and IGES as solids with their surfaces, meshed; STL as
// triangles grouped into faces. Everything comes out in millimetres. A hostile file can exhaust
// OpenCASCADE's stack or memory, so the checker runs this in veritor-part-reader, through
// IsolatedPartReader.
class PartReader {
public:
    struct Limits {
        // More triangles than this after meshing, or in an STL, and the part is refused.
        std::size_t maxTriangles = 4'000'000;
        // Files larger than this are refused before they are parsed.
        std::uintmax_t maxFileBytes = std::uintmax_t{1} << 30;
    };

    // stlUnitInMillimetres: the length of the STL's unit, which the file does not say.
    PartReader(double stlUnitInMillimetres, Limits limits);

    // Throws CheckError naming the file and the problem when it cannot be used, std::bad_alloc
    // when reading it runs out of memory.
    Part Read(const std::filesystem::path& path) const;

private:
    double m_stlUnit;
    Limits m_limits;
};

}  // namespace check
