#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace check {

// The features recognised on a solid's surfaces, in the rule document's units (lengths; angles
// in degrees), each naming its faces by the report's numbers.
struct HoleFeature {
    std::vector<std::uint32_t> faces;
    // Its axis from its one end to the other, over its depth.
    std::array<double, 3> start{};
    std::array<double, 3> direction{};
    // Of its narrowest cylinder; its counterbore's, both 0 without one.
    double diameter = 0;
    double depth = 0;
    double counterboreDiameter = 0;
    double counterboreDepth = 0;
    bool through = false;
    // "countersink", "chamfer", or empty where it opens straight.
    std::string entry;
};

struct RibFeature {
    std::vector<std::uint32_t> faces;
    double thickness = 0;
    double height = 0;
    double rootRadius = 0;
    double draft = 0;
};

struct BossFeature {
    std::vector<std::uint32_t> faces;
    // The wall it stands on; where its axis meets that wall's plane, and the axis out of it.
    std::uint32_t base = 0;
    std::array<double, 3> foot{};
    std::array<double, 3> direction{};
    double outerDiameter = 0;
    // Its hole's; 0 without one.
    double innerDiameter = 0;
    double height = 0;
    double rootRadius = 0;
    double draft = 0;
};

struct SolidFeatures {
    std::vector<HoleFeature> holes;
    std::vector<RibFeature> ribs;
    std::vector<BossFeature> bosses;
};

}  // namespace check
