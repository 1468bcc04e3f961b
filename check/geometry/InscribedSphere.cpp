#include "check/geometry/InscribedSphere.h"

#include <algorithm>
#include <cmath>

#include "check/geometry/TrianglePoint.h"

namespace check {
namespace {

// A sphere is shrunk at most this many times; each step fits it to the point inside it that
// bounds it most, so a few steps find the one that touches.
constexpr int kMostSteps = 24;

// How far the mesh of a triangle's surface may lie from the surface. Along an edge the normal
// turns by an angle a; over the edge's run c in the direction it turns, the surface bends with
// the radius c / a, so the edge's middle lies c a / 8 off it. Four times that covers the
// neighbouring facets as well as the facet's own.
double Sag(const Part& part, const PartTriangle& triangle) {
    double sag = 0;
    for (int k = 0; k < 3; ++k) {
        const std::uint32_t from = triangle.vertex[k];
        const std::uint32_t to = triangle.vertex[(k + 1) % 3];
        const Vec3 first = part.vertexNormals[from].Normalized();
        const Vec3 second = part.vertexNormals[to].Normalized();
        const double angle = std::acos(std::clamp(first.Dot(second), -1.0, 1.0));
        const double across =
            std::abs((part.vertices[to] - part.vertices[from]).Dot((second - first).Normalized()));
        sag = std::max(sag, across * angle / 2);
    }
    return sag;
}

}  // namespace

InscribedSphere::InscribedSphere(const RayScene& scene) : m_scene(scene) {
    const Part& part = scene.Geometry();
    m_sag.reserve(part.triangles.size());
    for (const PartTriangle& triangle : part.triangles) {
        m_sag.push_back(Sag(part, triangle));
    }
}

double InscribedSphere::Slack(std::uint32_t triangle) const {
    return m_scene.Epsilon() * 10 + m_sag[triangle];
}

double InscribedSphere::Radius(const SurfaceSample& sample, double upper) const {
    const Part& part = m_scene.Geometry();
    const Vec3 inward = -sample.normal;
    // The sample's own facet leans from its interpolated normal on a curved face: it is the
    // surface the sphere touches, never one that shrinks it.
    const double ownSlack = Slack(sample.triangle);
    double radius = upper;
    for (int step = 0; step < kMostSteps && radius > 0; ++step) {
        const Vec3 centre = sample.point + inward * radius;
        // Every point that comes inside the sphere bounds the radius by the sphere tangent at
        // the sample through it; the search narrows to the nearest such point.
        double fitted = radius;
        const auto bound = [&](std::uint32_t triangle, double reach) {
            if (triangle == sample.triangle) {
                return reach;
            }
            const PartTriangle& corners = part.triangles[triangle];
            const Vec3& a = part.vertices[corners.vertex[0]];
            // No point of the triangle is nearer than its plane: most triangles end here.
            if (std::abs(m_scene.Normal(triangle).Dot(centre - a)) >= reach) {
                return reach;
            }
            const Vec3 nearest = NearestOnTriangle(centre, a, part.vertices[corners.vertex[1]],
                                                   part.vertices[corners.vertex[2]]);
            const double distance = (nearest - centre).Length();
            if (distance >= radius - std::max(ownSlack, Slack(triangle))) {
                return reach;
            }
            const Vec3 towards = nearest - sample.point;
            fitted = std::min(fitted, towards.Dot(towards) / (2 * inward.Dot(towards)));
            return std::min(reach, distance);
        };
        m_scene.Search(centre, radius - ownSlack, bound);
        if (!(fitted < radius)) {
            break;
        }
        radius = fitted;
    }
    return radius;
}

}  // namespace check
