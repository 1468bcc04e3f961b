#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "check/geometry/RayScene.h"
#include "check/geometry/SurfaceSampler.h"
#include "check/geometry/TriangleAdjacency.h"

namespace check {

// One ray: where it starts and where it goes.
struct Ray {
    Vec3 origin;
    Vec3 direction;
};

// Wall thickness at each sample: the diameter of the largest sphere inside the material that
// touches the surface there. The ray cast inward along the normal until it leaves the material
// bounds it; the sphere then shrinks until no other surface comes inside it, so where a rib or
// boss stands on a wall the thickness is the wall's, not the length along the rib. A wall is
// measured only where its face spans the sphere: a sample nearer to its face's boundary than
// the sphere's diameter is left out, since there the sphere is held by a meeting wall (at a
// rim, an outside corner, a chamfer or a round) rather than by its own wall's two sides.
class WallThickness {
public:
    explicit WallThickness(const RayScene& scene) : m_scene(scene) {}

    // Per sample, the thickness in millimetres; NaN where none was measured. The adjacency is
    // the part's triangles'.
    std::vector<double> Measure(
        const std::vector<SurfaceSample>& samples, const TriangleAdjacency& adjacency,
        const std::function<void(std::size_t, std::size_t)>& progress) const;

    // The rays Measure casts for these samples (for timing the ray tracer alone).
    std::vector<Ray> Rays(const std::vector<SurfaceSample>& samples) const;

private:
    Ray Inward(const SurfaceSample& sample) const;

    const RayScene& m_scene;
};

}  // namespace check
