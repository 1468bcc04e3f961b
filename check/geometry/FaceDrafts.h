#pragma once

#include <cstdint>
#include <vector>

#include "check/geometry/MouldSides.h"

namespace check {

// Sums which half forms each face, and each half's draft there, from which halves reach each
// sample. A sample both halves reach goes to the half it faces, so a face both reach is split
// at its silhouette.
class FaceDrafts {
public:
    FaceDrafts(const Part& part, const Vec3& pull) : m_part(part), m_pull(pull) {}

    // reached: per sample, MouldSplit::kCavity and kCore for the halves that reach it.
    std::vector<FaceSides> Tally(const std::vector<SurfaceSample>& samples,
                                 const std::vector<std::uint8_t>& reached) const;

private:
    // The smallest draft against the direction at the sample and at its triangle's corners
    // that lie on the sample's side of square to the direction.
    double SmallestDraft(const SurfaceSample& sample, const Vec3& direction) const;

    const Part& m_part;
    Vec3 m_pull;
};

}  // namespace check
