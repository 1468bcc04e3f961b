#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "check/geometry/Part.h"

namespace check {

// Which triangle lies across each edge of each triangle, by the points the corners share.
class TriangleAdjacency {
public:
    static constexpr std::uint32_t kNone = ~std::uint32_t{0};

    // corners: per triangle, the numbers of its corner points (equal numbers, equal points).
    explicit TriangleAdjacency(const std::vector<std::array<std::uint32_t, 3>>& corners);

    // The triangle across edge k (from corner k to corner k + 1); kNone on an open edge. Where
    // more than two triangles meet at an edge, the next of them in the mesh's order.
    std::uint32_t Across(std::uint32_t triangle, int edge) const {
        return m_across[3 * triangle + static_cast<std::uint32_t>(edge)];
    }

    // Per triangle, the point numbers of its corners.
    static std::vector<std::array<std::uint32_t, 3>> CornerPoints(const Part& part);
    // Per vertex, the number of its point, from 0: equal points, equal numbers, numbered in the
    // order they are first met.
    static std::vector<std::uint32_t> PointNumbers(const std::vector<Vec3>& vertices);

private:
    std::vector<std::uint32_t> m_across;
};

}  // namespace check
