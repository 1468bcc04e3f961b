#pragma once

#include <cstdint>
#include <vector>

#include "check/geometry/Part.h"
#include "check/geometry/SurfaceSampler.h"

namespace check {

// A region of the surface where the wall is thicker than the part's nominal wall by more than
// a ratio: where the material shrinks most as it cools (a sink mark, a void).
struct ThickSection {
    // The face of its thickest reading.
    std::uint32_t face = 0;
    double thickest = 0;
};

// Finds thick sections among the samples' wall thickness readings (NaN where none was
// measured), each a connected run of samples over the limit: neighbouring, or on one face.
class ThickSections {
public:
    ThickSections(const Part& part, const std::vector<SurfaceSample>& samples,
                  const std::vector<double>& thickness);

    // The wall the part is made of: half its measured surface is at most this thick.
    double Nominal() const { return m_nominal; }

    // The regions thicker than the nominal wall times ratio, thickest first.
    std::vector<ThickSection> Above(double ratio) const;

private:
    const Part& m_part;
    const std::vector<SurfaceSample>& m_samples;
    const std::vector<double>& m_thickness;
    double m_nominal = 0;
};

}  // namespace check
