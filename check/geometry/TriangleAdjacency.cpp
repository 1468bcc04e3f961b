#include "check/geometry/TriangleAdjacency.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace check {
namespace {

// Equal points hash alike: -0 is taken as 0, which it equals.
std::uint64_t PointHash(const Vec3& p) {
    std::uint64_t hash = 0;
    for (const double coordinate : {p.x, p.y, p.z}) {
        hash = (hash ^ std::bit_cast<std::uint64_t>(coordinate + 0.0)) * 0x9E3779B97F4A7C15ull;
        hash ^= hash >> 29;
    }
    return hash;
}

bool SamePoint(const Vec3& a, const Vec3& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

}  // namespace

TriangleAdjacency::TriangleAdjacency(const std::vector<std::array<std::uint32_t, 3>>& corners)
    : m_across(3 * corners.size(), kNone) {
    // Every edge use filed under its lower point as (higher point, use): a pass to count them,
    // one to file them, then each point's few uses sorted, so that the uses of one edge lie
    // together in the mesh's order without sorting them all.
    std::uint32_t points = 0;
    for (const std::array<std::uint32_t, 3>& corner : corners) {
        points = std::max(points, *std::ranges::max_element(corner) + 1);
    }
    const auto lower = [&](std::uint32_t t, std::uint32_t k) {
        return std::min(corners[t][k], corners[t][(k + 1) % 3]);
    };
    // end[p]: first the number of uses under p, then where they begin, then where they end.
    std::vector<std::uint32_t> end(points, 0);
    for (std::uint32_t t = 0; t < corners.size(); ++t) {
        for (std::uint32_t k = 0; k < 3; ++k) {
            ++end[lower(t, k)];
        }
    }
    std::uint32_t begin = 0;
    for (std::uint32_t& count : end) {
        begin += std::exchange(count, begin);
    }
    std::vector<std::pair<std::uint32_t, std::uint32_t>> uses(3 * corners.size());
    for (std::uint32_t t = 0; t < corners.size(); ++t) {
        for (std::uint32_t k = 0; k < 3; ++k) {
            const std::uint32_t higher = std::max(corners[t][k], corners[t][(k + 1) % 3]);
            uses[end[lower(t, k)]++] = {higher, 3 * t + k};
        }
    }
    for (std::uint32_t p = 0; p < points; ++p) {
        const auto first = uses.begin() + (p == 0 ? 0 : end[p - 1]);
        const auto last = uses.begin() + end[p];
        std::sort(first, last);
        for (auto group = first; group != last;) {
            auto groupEnd = std::find_if(
                group, last, [&](const auto& use) { return use.first != group->first; });
            for (auto use = group; groupEnd - group > 1 && use != groupEnd; ++use) {
                const auto next = use + 1 != groupEnd ? use + 1 : group;
                m_across[use->second] = next->second / 3;
            }
            group = groupEnd;
        }
    }
}

std::vector<std::array<std::uint32_t, 3>> TriangleAdjacency::CornerPoints(const Part& part) {
    const std::vector<std::uint32_t> number = PointNumbers(part.vertices);
    std::vector<std::array<std::uint32_t, 3>> corners;
    corners.reserve(part.triangles.size());
    for (const PartTriangle& triangle : part.triangles) {
        corners.push_back(
            {number[triangle.vertex[0]], number[triangle.vertex[1]], number[triangle.vertex[2]]});
    }
    return corners;
}

// A table of the points met so far (open addressing, at most three quarters full): one pass, no
// sort.
std::vector<std::uint32_t> TriangleAdjacency::PointNumbers(const std::vector<Vec3>& vertices) {
    std::size_t slots = 1;
    while (3 * slots < 4 * vertices.size()) {
        slots *= 2;
    }
    std::vector<std::uint32_t> table(slots, kNone);
    std::vector<std::uint32_t> number(vertices.size());
    std::uint32_t next = 0;
    for (std::uint32_t v = 0; v < vertices.size(); ++v) {
        std::size_t slot = PointHash(vertices[v]) & (slots - 1);
        while (table[slot] != kNone && !SamePoint(vertices[table[slot]], vertices[v])) {
            slot = (slot + 1) & (slots - 1);
        }
        if (table[slot] == kNone) {
            table[slot] = v;
            number[v] = next++;
        } else {
            number[v] = number[table[slot]];
        }
    }
    return number;
}

}  // namespace check
