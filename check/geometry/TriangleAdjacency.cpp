#include "check/geometry/TriangleAdjacency.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace check {

TriangleAdjacency::TriangleAdjacency(const std::vector<std::array<std::uint32_t, 3>>& corners)
    : m_across(3 * corners.size(), kNone) {
    // Every edge use as (edge key, use), sorted so that the uses of one edge lie together.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> uses;
    uses.reserve(3 * corners.size());
    for (std::uint32_t t = 0; t < corners.size(); ++t) {
        for (std::uint32_t k = 0; k < 3; ++k) {
            const std::uint32_t a = corners[t][k];
            const std::uint32_t b = corners[t][(k + 1) % 3];
            uses.emplace_back((std::uint64_t{std::min(a, b)} << 32) | std::max(a, b), 3 * t + k);
        }
    }
    std::ranges::sort(uses);
    for (std::size_t begin = 0; begin < uses.size();) {
        std::size_t end = begin + 1;
        while (end < uses.size() && uses[end].first == uses[begin].first) {
            ++end;
        }
        for (std::size_t i = begin; end - begin > 1 && i < end; ++i) {
            const std::size_t next = i + 1 < end ? i + 1 : begin;
            m_across[uses[i].second] = uses[next].second / 3;
        }
        begin = end;
    }
}

std::vector<std::uint32_t> TriangleAdjacency::PointNumbers(const Part& part) {
    std::vector<std::uint32_t> order(part.vertices.size());
    std::iota(order.begin(), order.end(), 0u);
    const auto key = [&](std::uint32_t v) {
        const Vec3& p = part.vertices[v];
        return std::tuple(p.x, p.y, p.z);
    };
    std::ranges::sort(order, {}, key);
    std::vector<std::uint32_t> number(part.vertices.size());
    std::uint32_t next = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && key(order[i]) != key(order[i - 1])) {
            ++next;
        }
        number[order[i]] = next;
    }
    return number;
}

std::vector<std::array<std::uint32_t, 3>> TriangleAdjacency::CornerPoints(const Part& part) {
    const std::vector<std::uint32_t> number = PointNumbers(part);
    std::vector<std::array<std::uint32_t, 3>> corners;
    corners.reserve(part.triangles.size());
    for (const PartTriangle& triangle : part.triangles) {
        corners.push_back(
            {number[triangle.vertex[0]], number[triangle.vertex[1]], number[triangle.vertex[2]]});
    }
    return corners;
}

}  // namespace check
