#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "check/geometry/SurfaceSampler.h"

namespace check {

// Calls visit(i, j) once for every pair of samples that lie next to each other: nearer than
// twice the typical spacing and widen (at most four times that), whichever way they face (where two
// walls meet at a corner, their samples there are neighbours). Samples are put in a grid of that
// reach, so the work grows with the number of samples.
class SampleNeighbours {
public:
    explicit SampleNeighbours(const std::vector<SurfaceSample>& samples, double widen = 0);

    // How near two samples are to be neighbours without widening: twice the typical spacing.
    double BaseReach() const { return m_spacing; }

    void ForEachPair(const std::function<void(std::size_t, std::size_t)>& visit) const;

private:
    const std::vector<SurfaceSample>& m_samples;
    double m_spacing = 0;
    double m_reach = 0;
};

}  // namespace check
