#include "check/geometry/WallThickness.h"

#include <limits>

#include "check/geometry/FaceBoundaryDistance.h"
#include "check/geometry/InscribedSphere.h"

namespace check {
namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

}  // namespace

Ray WallThickness::Inward(const SurfaceSample& sample) const {
    return {sample.point - sample.normal * (m_scene.Epsilon() * 10), -sample.normal};
}

std::vector<double> WallThickness::Measure(
    const std::vector<SurfaceSample>& samples, const TriangleAdjacency& adjacency,
    const std::function<void(std::size_t, std::size_t)>& progress) const {
    const FaceBoundaryDistance boundary(m_scene.Geometry(), adjacency);
    const InscribedSphere sphere(m_scene);
    std::vector<double> thickness(samples.size(), kNone);
    const auto trace = [&](std::size_t i) {
        const SurfaceSample& sample = samples[i];
        const Ray ray = Inward(sample);
        const std::optional<RayScene::Hit> exit = m_scene.First(ray.origin, ray.direction);
        if (!exit) {
            return;
        }
        const double length = exit->distance + m_scene.Epsilon() * 10;
        const double margin = m_scene.Epsilon() * 10;
        // The sample is kept only where its sphere's diameter is strictly shorter than the way
        // to its face's boundary (so a sample in the middle of a face as wide as the wall is
        // left out): a sphere that fits with that diameter already leaves it out, and a larger
        // one is never tried.
        const double fromBoundary = boundary.Within(sample, length + margin);
        const bool spanned = fromBoundary >= length + margin;
        const double largest = spanned ? length / 2 : (fromBoundary - margin) / 2;
        const double radius = sphere.Radius(sample, largest);
        if (!spanned && radius == largest) {
            return;
        }
        thickness[i] = radius == length / 2 ? length : 2 * radius;
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
