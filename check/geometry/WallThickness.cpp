#include "check/geometry/WallThickness.h"

#include <limits>

#include "check/geometry/FaceBoundaryDistance.h"

namespace check {
namespace {

constexpr std::size_t kProgressStep = 4096;
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
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (progress && i % kProgressStep == 0) {
            progress(i, samples.size());
        }
        const Ray ray = Inward(samples[i]);
        const std::optional<RayScene::Hit> exit = m_scene.First(ray.origin, ray.direction);
        if (!exit) {
            continue;
        }
        const double length = exit->distance + m_scene.Epsilon() * 10;
        if (fromBoundary[i] >= length / 2) {
            thickness[i] = length;
        }
    }
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
