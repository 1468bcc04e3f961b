#include "check/geometry/FaceBoundaryDistance.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <queue>
#include <unordered_map>

namespace check {
namespace {

constexpr double kFar = std::numeric_limits<double>::infinity();

double ToSegment(const Vec3& p, const Vec3& a, const Vec3& b) {
    const Vec3 ab = b - a;
    const double length = ab.Dot(ab);
    const double t = length > 0 ? std::clamp((p - a).Dot(ab) / length, 0.0, 1.0) : 0.0;
    return (p - (a + ab * t)).Length();
}

struct PointKey {
    std::uint64_t x, y, z;
    bool operator==(const PointKey&) const = default;
};

struct PointKeyHash {
    std::size_t operator()(const PointKey& k) const {
        return static_cast<std::size_t>(k.x * 0x9E3779B97F4A7C15ull ^ k.y * 0xC2B2AE3D27D4EB4Full ^
                                        k.z * 0x165667B19E3779F9ull);
    }
};

// The same point gets the same number wherever a triangle uses it: faces share the points of
// their common edges, and an STL repeats them.
std::vector<std::uint32_t> PointNumbers(const Part& part) {
    std::unordered_map<PointKey, std::uint32_t, PointKeyHash> numbers;
    numbers.reserve(part.vertices.size());
    std::vector<std::uint32_t> number(part.vertices.size());
    for (std::size_t i = 0; i < part.vertices.size(); ++i) {
        const Vec3& p = part.vertices[i];
        const PointKey key{std::bit_cast<std::uint64_t>(p.x + 0.0),
                           std::bit_cast<std::uint64_t>(p.y + 0.0),
                           std::bit_cast<std::uint64_t>(p.z + 0.0)};
        number[i] = numbers.emplace(key, static_cast<std::uint32_t>(numbers.size())).first->second;
    }
    return number;
}

}  // namespace

FaceBoundaryDistance::FaceBoundaryDistance(const Part& part)
    : m_part(part),
      m_boundary(part.triangles.size()),
      m_neighbours(part.triangles.size()),
      m_centreDistance(part.triangles.size(), kFar) {
    const std::vector<std::uint32_t> number = PointNumbers(part);
    std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> edges;
    edges.reserve(part.triangles.size() * 2);
    const auto key = [&](const PartTriangle& t, int k) {
        const std::uint32_t a = number[t.vertex[k]];
        const std::uint32_t b = number[t.vertex[(k + 1) % 3]];
        return (std::uint64_t{std::min(a, b)} << 32) | std::max(a, b);
    };
    m_centres.reserve(part.triangles.size());
    for (std::uint32_t t = 0; t < part.triangles.size(); ++t) {
        const PartTriangle& triangle = part.triangles[t];
        m_centres.push_back((part.vertices[triangle.vertex[0]] + part.vertices[triangle.vertex[1]] +
                             part.vertices[triangle.vertex[2]]) *
                            (1.0 / 3));
        for (int k = 0; k < 3; ++k) {
            edges[key(triangle, k)].push_back(t);
        }
    }
    for (std::uint32_t t = 0; t < part.triangles.size(); ++t) {
        const PartTriangle& triangle = part.triangles[t];
        for (int k = 0; k < 3; ++k) {
            bool inner = false;
            for (const std::uint32_t other : edges[key(triangle, k)]) {
                if (other != t && part.triangles[other].face == triangle.face) {
                    inner = true;
                    m_neighbours[t].push_back(other);
                }
            }
            if (!inner) {
                m_boundary[t].push_back({part.vertices[triangle.vertex[k]],
                                         part.vertices[triangle.vertex[(k + 1) % 3]]});
            }
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
            const double through = distance + (m_centres[n] - m_centres[t]).Length();
            if (through < m_centreDistance[n]) {
                m_centreDistance[n] = through;
                pending.push({through, n});
            }
        }
    }
}

double FaceBoundaryDistance::ToOwnEdges(std::uint32_t triangle, const Vec3& point) const {
    double nearest = kFar;
    for (const Segment& segment : m_boundary[triangle]) {
        nearest = std::min(nearest, ToSegment(point, segment.a, segment.b));
    }
    return nearest;
}

std::vector<double> FaceBoundaryDistance::Of(const std::vector<SurfaceSample>& samples) const {
    std::vector<double> distance;
    distance.reserve(samples.size());
    for (const SurfaceSample& sample : samples) {
        const std::uint32_t t = sample.triangle;
        double nearest = std::min(ToOwnEdges(t, sample.point),
                                  m_centreDistance[t] + (sample.point - m_centres[t]).Length());
        for (const std::uint32_t n : m_neighbours[t]) {
            nearest = std::min({nearest, ToOwnEdges(n, sample.point),
                                m_centreDistance[n] + (sample.point - m_centres[n]).Length()});
        }
        distance.push_back(nearest);
    }
    return distance;
}

}  // namespace check
