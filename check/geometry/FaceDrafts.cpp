#include "check/geometry/FaceDrafts.h"

#include <algorithm>
#include <cmath>

namespace check {
namespace {

// A normal turned less than this (a sine) from square to the pull stands square to it: the
// round-off of a wall without draft.
constexpr double kSquareSine = 1e-5;
// Above any draft: no sample of the kind.
constexpr double kNoDraft = 10;

double Draft(const Vec3& normal, const Vec3& direction) {
    return std::asin(std::clamp(normal.Dot(direction), -1.0, 1.0));
}

// What the samples of one face gave.
struct FaceTally {
    double cavity = kNoDraft;
    double core = kNoDraft;
    // The samples both halves reach that stand square to the pull.
    double square = kNoDraft;
    bool cavityFacingUp = false;
    bool coreFacingDown = false;
};

void Conclude(FaceSides& sides, const FaceTally& tally) {
    const double largest = std::max({sides.cavityArea, sides.coreArea, sides.unreachableArea});
    if (largest == 0) {
        return;
    }
    sides.side = sides.cavityArea == largest ? MouldSide::Cavity
                 : sides.coreArea == largest ? MouldSide::Core
                                             : MouldSide::Neither;
    sides.parted = tally.cavityFacingUp && tally.coreFacingDown;
    if (sides.parted) {
        return;
    }
    if (tally.cavity == kNoDraft && tally.core == kNoDraft) {
        sides.upright = tally.square != kNoDraft;
        sides.cavity = sides.core = {tally.square, sides.upright};
        return;
    }
    if (tally.cavity != kNoDraft) {
        sides.cavity = {std::min(tally.cavity, tally.square), true};
    }
    if (tally.core != kNoDraft) {
        sides.core = {std::min(tally.core, tally.square), true};
    }
}

}  // namespace

double FaceDrafts::SmallestDraft(const SurfaceSample& sample, const Vec3& direction) const {
    double smallest = Draft(sample.normal, direction);
    if (m_part.vertexNormals.size() != m_part.vertices.size()) {
        return smallest;
    }
    // A corner past square to the pull, where the sample faces it, lies beyond the silhouette.
    const double floor = std::min(smallest, 0.0) - kSquareSine;
    for (const std::uint32_t vertex : m_part.triangles[sample.triangle].vertex) {
        const double corner = Draft(m_part.vertexNormals[vertex], direction);
        if (corner >= floor) {
            smallest = std::min(smallest, corner);
        }
    }
    return smallest;
}

std::vector<FaceSides> FaceDrafts::Tally(const std::vector<SurfaceSample>& samples,
                                         const std::vector<std::uint8_t>& reached) const {
    std::vector<FaceSides> faces(m_part.faces.size());
    std::vector<FaceTally> tallies(m_part.faces.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const SurfaceSample& sample = samples[i];
        const std::uint32_t face = m_part.triangles[sample.triangle].face;
        FaceSides& sides = faces[face];
        FaceTally& tally = tallies[face];
        const bool cavity = (reached[i] & MouldSplit::kCavity) != 0;
        const bool core = (reached[i] & MouldSplit::kCore) != 0;
        const double along = sample.normal.Dot(m_pull);
        if (!cavity && !core) {
            sides.unreachableArea += sample.area;
        } else if (cavity && core && std::abs(along) <= kSquareSine) {
            (along >= 0 ? sides.cavityArea : sides.coreArea) += sample.area;
            tally.square = std::min(tally.square, std::abs(Draft(sample.normal, m_pull)));
        } else if (cavity && (!core || along > 0)) {
            sides.cavityArea += sample.area;
            tally.cavity = std::min(tally.cavity, SmallestDraft(sample, m_pull));
            tally.cavityFacingUp = tally.cavityFacingUp || along > kSquareSine;
        } else {
            sides.coreArea += sample.area;
            tally.core = std::min(tally.core, SmallestDraft(sample, -m_pull));
            tally.coreFacingDown = tally.coreFacingDown || along < -kSquareSine;
        }
    }
    for (std::size_t f = 0; f < faces.size(); ++f) {
        Conclude(faces[f], tallies[f]);
    }
    return faces;
}

}  // namespace check
