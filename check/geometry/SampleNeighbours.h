#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "check/geometry/SurfaceSampler.h"

namespace check {

// Calls visit(i, j) once for every pair of samples that lie next to each other on the surface:
// nearer than twice the typical spacing and facing the same way (so the two sides of a thin
// wall are not neighbours). Samples are put in a grid of that spacing, so the work grows with
// the number of samples.
class SampleNeighbours {
public:
    explicit SampleNeighbours(const std::vector<SurfaceSample>& samples);

    void ForEachPair(const std::function<void(std::size_t, std::size_t)>& visit) const;

private:
    const std::vector<SurfaceSample>& m_samples;
    double m_reach = 0;
};

}  // namespace check
