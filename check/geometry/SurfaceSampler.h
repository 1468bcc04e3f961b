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

// Spreads samples over every triangle: one at least, more on large triangles so that a face of
// few triangles is sampled across its area, not only at its centre.
class SurfaceSampler {
public:
    // About targetSamples over the whole part, and at least one on every triangle.
    explicit SurfaceSampler(std::size_t targetSamples) : m_target(targetSamples) {}

    std::vector<SurfaceSample> Sample(const Part& part) const;

    static constexpr int kMaxPerSide = 32;  // a triangle is split at most 32 x 32

private:
    std::size_t m_target;
};

}  // namespace check
