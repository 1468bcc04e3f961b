#include "check/geometry/MouldSides.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace check {
namespace {

// A half reaches surfaces facing away from it by at most this angle (reverse draft), and a
// surface met at most this far from the sample's own direction is grazed, not entered.
const double kGrazeSine = std::sin(15 * std::numbers::pi / 180);
const double kGrazeCosine = std::cos(15 * std::numbers::pi / 180);
constexpr std::uint8_t kCavity = 1;
constexpr std::uint8_t kCore = 2;

}  // namespace

MouldSides::MouldSides(const RayScene& scene, const Vec3& pull)
    : m_scene(scene), m_pull(pull.Normalized()) {}

bool MouldSides::Reaches(const SurfaceSample& sample, const Vec3& direction) const {
    if (sample.normal.Dot(direction) < -kGrazeSine) {
        return false;
    }
    const Vec3 origin = sample.point + sample.normal * (m_scene.Epsilon() * 10);
    double from = 0;
    for (int graze = 0; graze < kMaxGrazes; ++graze) {
        const std::optional<RayScene::Hit> hit = m_scene.First(origin, direction, from);
        if (!hit) {
            return true;
        }
        const Vec3& normal = m_scene.Normal(hit->triangle);
        const bool entering = normal.Dot(direction) < 0;
        if (entering && normal.Dot(sample.normal) < kGrazeCosine) {
            return false;
        }
        from = std::max(hit->distance, hit->traced) + m_scene.Epsilon();
    }
    return false;
}

std::vector<FaceSides> MouldSides::Classify(
    const std::vector<SurfaceSample>& samples,
    const std::function<void(std::size_t, std::size_t)>& progress) const {
    const Part& part = m_scene.Geometry();
    std::vector<FaceSides> faces(part.faces.size());
    std::vector<double> cavityDraft(part.faces.size(), 10.0);
    std::vector<double> coreDraft(part.faces.size(), 10.0);
    // The rays first, on every thread; then the sums, in the samples' order.
    std::vector<std::uint8_t> reached(samples.size());
    m_scene.Tracing().ForEach(
        samples.size(),
        [&](std::size_t i) {
            reached[i] = static_cast<std::uint8_t>((Reaches(samples[i], m_pull) ? kCavity : 0) |
                                                   (Reaches(samples[i], -m_pull) ? kCore : 0));
        },
        progress);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const SurfaceSample& sample = samples[i];
        const bool cavity = (reached[i] & kCavity) != 0;
        const bool core = (reached[i] & kCore) != 0;
        const double along = sample.normal.Dot(m_pull);
        const std::uint32_t face = part.triangles[sample.triangle].face;
        FaceSides& sides = faces[face];
        if (!cavity && !core) {
            sides.unreachableArea += sample.area;
        } else if (cavity && (!core || along >= 0)) {
            sides.cavityArea += sample.area;
            cavityDraft[face] =
                std::min(cavityDraft[face], std::asin(std::clamp(along, -1.0, 1.0)));
        } else {
            sides.coreArea += sample.area;
            coreDraft[face] = std::min(coreDraft[face], std::asin(std::clamp(-along, -1.0, 1.0)));
        }
    }
    for (std::size_t f = 0; f < faces.size(); ++f) {
        FaceSides& sides = faces[f];
        const double largest = std::max({sides.cavityArea, sides.coreArea, sides.unreachableArea});
        if (largest == 0) {
            continue;
        }
        sides.side = sides.cavityArea == largest ? MouldSide::Cavity
                     : sides.coreArea == largest ? MouldSide::Core
                                                 : MouldSide::Neither;
        const double draft = sides.cavityArea >= sides.coreArea ? cavityDraft[f] : coreDraft[f];
        sides.hasDraft = sides.cavityArea + sides.coreArea > 0;
        sides.smallestDraft = draft;
    }
    return faces;
}

}  // namespace check
