#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "check/geometry/Part.h"

namespace check {

// A point on the part's surface with its outward normal and the area it stands for.
struct SurfaceSample {
    Vec3 point;
    Vec3 normal;
    std::uint32_t triangle = 0;
    double area = 0;
};

// Spreads samples over the surface, never more than the target. While there are fewer triangles
// than that, every triangle has one at least and large triangles more, so that a face of few
// triangles is sampled across its area, not only at its centre; beyond, every face has one at
// least (while there are fewer faces than the target) and the rest are spaced evenly by area.
class SurfaceSampler {
public:
    // At most targetSamples over the whole part.
    explicit SurfaceSampler(std::size_t targetSamples) : m_target(targetSamples) {}

    std::vector<SurfaceSample> Sample(const Part& part) const;

    static constexpr int kMaxPerSide = 32;  // a triangle is split at most 32 x 32

private:
    std::size_t m_target;
};

}  // namespace check
