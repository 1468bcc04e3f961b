#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "check/geometry/RayScene.h"
#include "check/geometry/SurfaceSampler.h"

namespace check {

// One ray: where it starts and where it goes.
struct Ray {
    Vec3 origin;
    Vec3 direction;
};

// Wall thickness at each sample: the length of the ray cast inward along the normal until it
// leaves the material. A wall is measured only where its face spans it: a sample nearer to its
// face's boundary than half the ray's length is left out, since there the ray runs along a
// meeting wall (at a rim, near a corner) rather than across its own.
class WallThickness {
public:
    explicit WallThickness(const RayScene& scene) : m_scene(scene) {}

    // Per sample, the thickness in millimetres; NaN where none was measured.
    std::vector<double> Measure(
        const std::vector<SurfaceSample>& samples,
        const std::function<void(std::size_t, std::size_t)>& progress) const;

    // The rays Measure casts for these samples (for timing the ray tracer alone).
    std::vector<Ray> Rays(const std::vector<SurfaceSample>& samples) const;

private:
    Ray Inward(const SurfaceSample& sample) const;

    const RayScene& m_scene;
};

}  // namespace check
