#include "check/geometry/WallThickness.h"

#include <limits>

#include "check/geometry/FaceBoundaryDistance.h"

namespace check {
namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

}  // namespace

Ray WallThickness::Inward(const SurfaceSample& sample) const {
    return {sample.point - sample.normal * (m_scene.Epsilon() * 10), -sample.normal};
}

std::vector<double> WallThickness::Measure(
    const std::vector<SurfaceSample>& samples,
    const std::function<void(std::size_t, std::size_t)>& progress) const {
    const std::vector<double> fromBoundary = FaceBoundaryDistance(m_scene.Geometry()).Of(samples);
    std::vector<double> thickness(samples.size(), kNone);
    const auto trace = [&](std::size_t i) {
        const Ray ray = Inward(samples[i]);
        const std::optional<RayScene::Hit> exit = m_scene.First(ray.origin, ray.direction);
        if (!exit) {
            return;
        }
        const double length = exit->distance + m_scene.Epsilon() * 10;
        if (fromBoundary[i] >= length / 2) {
            thickness[i] = length;
        }
    };
    m_scene.Tracing().ForEach(samples.size(), trace, progress);
    return thickness;
}

std::vector<Ray> WallThickness::Rays(const std::vector<SurfaceSample>& samples) const {
    std::vector<Ray> rays;
    rays.reserve(samples.size());
    for (const SurfaceSample& sample : samples) {
        rays.push_back(Inward(sample));
    }
    return rays;
}

}  // namespace check
