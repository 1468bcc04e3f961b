#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "check/geometry/RayScene.h"
#include "check/geometry/SurfaceSampler.h"

namespace check {

// The mould half that forms a stretch of surface: the cavity is drawn along +pull, the core
// along -pull; neither when no straight pull releases it (an undercut).
enum class MouldSide : std::uint8_t { Cavity, Core, Neither };

// How one face of the part meets the mould.
struct FaceSides {
    MouldSide side = MouldSide::Neither;  // the half forming most of its area
    double cavityArea = 0;
    double coreArea = 0;
    double unreachableArea = 0;
    // The smallest draft against the pull of its half over the samples that half forms, in
    // radians; negative for a reverse draft. Only meaningful when hasDraft.
    double smallestDraft = 0;
    bool hasDraft = false;
};

// Splits the part's surface into core and cavity by which half can reach each sample: a ray
// from the sample along the half's pull must leave the part without entering material. A
// surface the ray only grazes (one facing nearly as the sample does: the sample's own wall,
// drafted the wrong way) does not stop it, so a wall with reverse draft belongs to the half
// that reaches it and shows a negative draft there.
class MouldSides {
public:
    MouldSides(const RayScene& scene, const Vec3& pull);

    // progress(done, total) is called now and then while the rays are cast.
    std::vector<FaceSides> Classify(
        const std::vector<SurfaceSample>& samples,
        const std::function<void(std::size_t, std::size_t)>& progress) const;

    // The rays cast for one sample: two at most, each re-cast past grazed surfaces at most
    // kMaxGrazes times.
    static constexpr int kMaxGrazes = 16;

private:
    bool Reaches(const SurfaceSample& sample, const Vec3& direction) const;

    const RayScene& m_scene;
    Vec3 m_pull;
};

}  // namespace check
