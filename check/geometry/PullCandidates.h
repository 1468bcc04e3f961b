#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "check/geometry/Part.h"

namespace check {

// A direction the mould may open along, and where it came from ("axis Z", "principal axis 1",
// "normal of face 12"), for a person choosing among them.
struct PullCandidate {
    Vec3 direction;
    std::string source;
};

// The directions a mould is likely to open along: the coordinate axes (Z first), the part's
// principal axes (of its surface, weighted by area, largest spread first) and the normals of its
// largest plane faces. Each direction comes once whatever its sign, as the two halves swap when
// it turns round; faces are numbered from 1 after firstFace.
std::vector<PullCandidate> PullCandidates(const Part& part, std::uint32_t firstFace = 0,
                                          std::size_t largestFaces = 6);

}  // namespace check
