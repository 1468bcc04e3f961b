#pragma once

#include <cmath>
#include <cstdint>

#include "check/geometry/Vec3.h"

namespace check {

// A cell of a uniform grid over the part's space, and one number that names it for sorting.
struct GridCell {
    std::int64_t x = 0, y = 0, z = 0;

    static GridCell Of(const Vec3& point, double size) {
        return {static_cast<std::int64_t>(std::floor(point.x / size)),
                static_cast<std::int64_t>(std::floor(point.y / size)),
                static_cast<std::int64_t>(std::floor(point.z / size))};
    }

    // Each coordinate kept in 21 bits, offset to be positive.
    std::uint64_t Key() const {
        constexpr std::int64_t kOffset = std::int64_t{1} << 20;
        constexpr std::int64_t kMask = (std::int64_t{1} << 21) - 1;
        return (static_cast<std::uint64_t>((x + kOffset) & kMask) << 42) |
               (static_cast<std::uint64_t>((y + kOffset) & kMask) << 21) |
               static_cast<std::uint64_t>((z + kOffset) & kMask);
    }
};

}  // namespace check
