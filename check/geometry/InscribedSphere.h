#pragma once

#include <vector>

#include "check/geometry/RayScene.h"
#include "check/geometry/SurfaceSampler.h"

namespace check {

// The largest sphere inside the material that touches the surface at a sample, found by
// shrinking: a sphere tangent at the sample, its centre on the inward normal, is made smaller
// until no surface comes inside it, each time to the sphere through the sample and the surface
// point nearest its centre. Its diameter is the thickness a designer reads: across a rib, not
// along it where the rib stands on a wall.
class InscribedSphere {
public:
    explicit InscribedSphere(const RayScene& scene);

    // The radius at the sample, at most upper (half the wall the inward ray crossed).
    double Radius(const SurfaceSample& sample, double upper) const;

private:
    // How far a sphere may reach into a triangle without being shrunk: a mesh of a curved
    // surface lies off the surface by its sag, so a sphere that fits the surface reaches
    // into the mesh by about that much.
    double Slack(std::uint32_t triangle) const;

    const RayScene& m_scene;
    std::vector<double> m_sag;
};

}  // namespace check
