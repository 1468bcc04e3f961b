#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "check/geometry/Part.h"
#include "check/geometry/SurfaceSampler.h"
#include "check/geometry/TriangleAdjacency.h"

namespace check {

// The wall thickness of each face from its samples' readings (NaN where none was measured):
// its thinnest, thickest and typical (the median by area) reading, and the faces it meets.
class FaceThickness {
public:
    FaceThickness(const Part& part, const std::vector<SurfaceSample>& samples,
                  const std::vector<double>& thickness);

    // False for a face without a reading.
    bool Measured(std::uint32_t face) const { return !m_readings[face].empty(); }
    double Thinnest(std::uint32_t face) const;
    double Thickest(std::uint32_t face) const;
    double Typical(std::uint32_t face) const { return m_typical[face]; }

    // Each pair of faces that share an edge, once, the lower-numbered first.
    static std::vector<std::pair<std::uint32_t, std::uint32_t>> Meetings(
        const Part& part, const TriangleAdjacency& adjacency);

private:
    // Per face, its readings with the area each stands for, thinnest first.
    std::vector<std::vector<std::pair<double, double>>> m_readings;
    std::vector<double> m_typical;
};

// The reading at half the area of readings sorted thinnest first, each with its area.
double MedianByArea(const std::vector<std::pair<double, double>>& sorted);

}  // namespace check
