#include "check/geometry/FaceBoundaryDistance.h"

#include <algorithm>
#include <limits>
#include <queue>

#include "check/geometry/TriangleAdjacency.h"

namespace check {
namespace {

constexpr double kFar = std::numeric_limits<double>::infinity();

double ToSegment(const Vec3& p, const Vec3& a, const Vec3& b) {
    const Vec3 ab = b - a;
    const double length = ab.Dot(ab);
    const double t = length > 0 ? std::clamp((p - a).Dot(ab) / length, 0.0, 1.0) : 0.0;
    return (p - (a + ab * t)).Length();
}

}  // namespace

FaceBoundaryDistance::FaceBoundaryDistance(const Part& part)
    : m_part(part), m_neighbours(part.triangles.size()), m_centreDistance(part.triangles.size()) {
    const TriangleAdjacency adjacency(TriangleAdjacency::CornerPoints(part));
    m_centres.reserve(part.triangles.size());
    for (std::uint32_t t = 0; t < part.triangles.size(); ++t) {
        const PartTriangle& triangle = part.triangles[t];
        m_centres.push_back((part.vertices[triangle.vertex[0]] + part.vertices[triangle.vertex[1]] +
                             part.vertices[triangle.vertex[2]]) *
                            (1.0 / 3));
        for (int k = 0; k < 3; ++k) {
            const std::uint32_t other = adjacency.Across(t, k);
            const bool sameFace =
                other != TriangleAdjacency::kNone && part.triangles[other].face == triangle.face;
            m_neighbours[t][k] = sameFace ? other : kNone;
        }
    }
    // Shortest paths from the boundary between triangle centres.
    using Entry = std::pair<double, std::uint32_t>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> pending;
    for (std::uint32_t t = 0; t < part.triangles.size(); ++t) {
        m_centreDistance[t] = ToOwnEdges(t, m_centres[t]);
        if (m_centreDistance[t] < kFar) {
            pending.push({m_centreDistance[t], t});
        }
    }
    while (!pending.empty()) {
        const auto [distance, t] = pending.top();
        pending.pop();
        if (distance > m_centreDistance[t]) {
            continue;
        }
        for (const std::uint32_t n : m_neighbours[t]) {
            if (n == kNone) {
                continue;
            }
            const double through = distance + (m_centres[n] - m_centres[t]).Length();
            if (through < m_centreDistance[n]) {
                m_centreDistance[n] = through;
                pending.push({through, n});
            }
        }
    }
}

double FaceBoundaryDistance::ToOwnEdges(std::uint32_t triangle, const Vec3& point) const {
    const PartTriangle& corners = m_part.triangles[triangle];
    double nearest = kFar;
    for (int k = 0; k < 3; ++k) {
        if (m_neighbours[triangle][k] == kNone) {
            nearest = std::min(nearest, ToSegment(point, m_part.vertices[corners.vertex[k]],
                                                  m_part.vertices[corners.vertex[(k + 1) % 3]]));
        }
    }
    return nearest;
}

double FaceBoundaryDistance::Through(std::uint32_t triangle, const Vec3& point) const {
    return std::min(ToOwnEdges(triangle, point),
                    m_centreDistance[triangle] + (point - m_centres[triangle]).Length());
}

std::vector<double> FaceBoundaryDistance::Of(const std::vector<SurfaceSample>& samples) const {
    std::vector<double> distance;
    distance.reserve(samples.size());
    for (const SurfaceSample& sample : samples) {
        double nearest = Through(sample.triangle, sample.point);
        for (const std::uint32_t n : m_neighbours[sample.triangle]) {
            if (n != kNone) {
                nearest = std::min(nearest, Through(n, sample.point));
            }
        }
        distance.push_back(nearest);
    }
    return distance;
}

}  // namespace check
