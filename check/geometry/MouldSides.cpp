#include "check/geometry/MouldSides.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "check/geometry/FaceDrafts.h"

namespace check {
namespace {

const double kReverseDraftSine =
    std::sin(MouldSides::kReverseDraftDegrees * std::numbers::pi / 180);
// A surface turned less than this (a sine) from the ray's direction is met edge on: the
// triangles of a wall along the pull, tilted by no more than its mesh's rounding, not a surface
// in the way.
constexpr double kEdgeOnSine = 1e-2;

}  // namespace

MouldSides::MouldSides(const RayScene& scene, const Vec3& pull)
    : m_scene(scene), m_pull(pull.Normalized()) {}

bool MouldSides::Reaches(const SurfaceSample& sample, const Vec3& direction) const {
    if (sample.normal.Dot(direction) < -kReverseDraftSine) {
        return false;
    }
    const Part& part = m_scene.Geometry();
    const std::uint32_t ownFace = part.triangles[sample.triangle].face;
    const double offset = m_scene.Epsilon() * 10;
    const Vec3 origin = sample.point + sample.normal * offset;
    double from = 0;
    // A ray that leaves material it never entered started inside it, past the surface's edge
    // where the meshes of two faces meet.
    bool inside = false;
    for (int graze = 0; graze < kMaxGrazes; ++graze) {
        const std::optional<RayScene::Hit> hit = m_scene.First(origin, direction, from);
        if (!hit) {
            return true;
        }
        const double facing = m_scene.Normal(hit->triangle).Dot(direction);
        if (facing < -kEdgeOnSine) {
            // Only a touch of the sample's own wall where the ray runs along it lets it on.
            const Vec3 point = origin + direction * hit->distance;
            const bool touch = part.triangles[hit->triangle].face == ownFace &&
                               facing >= -kReverseDraftSine &&
                               std::abs((point - sample.point).Dot(sample.normal)) <= offset;
            if (!touch) {
                return false;
            }
            inside = true;
        } else if (facing > kEdgeOnSine) {
            if (!inside) {
                return false;
            }
            inside = false;
        }
        from = std::max(hit->distance, hit->traced) + m_scene.Epsilon();
    }
    return false;
}

MouldSplit MouldSides::Classify(
    const std::vector<SurfaceSample>& samples,
    const std::function<void(std::size_t, std::size_t)>& progress) const {
    MouldSplit split;
    split.reached.resize(samples.size());
    // The rays first, on every thread; then the sums, in the samples' order.
    m_scene.Tracing().ForEach(
        samples.size(),
        [&](std::size_t i) {
            split.reached[i] =
                static_cast<std::uint8_t>((Reaches(samples[i], m_pull) ? MouldSplit::kCavity : 0) |
                                          (Reaches(samples[i], -m_pull) ? MouldSplit::kCore : 0));
        },
        progress);
    split.faces = FaceDrafts(m_scene.Geometry(), m_pull).Tally(samples, split.reached);
    return split;
}

}  // namespace check
