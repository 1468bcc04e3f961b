#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "check/checks/CheckContext.h"

namespace check {

// A rib as the rib rules judge it, and the thickness of the wall it stands on in millimetres:
// the typical (median by area) inscribed-sphere reading of the face under it.
struct MeasuredRib {
    const PartRib* rib = nullptr;
    double wall = 0;
};

// The part's ribs thinner than the walls they stand on (a standing wall as thick as its base is
// no rib), and how many stand on a wall with no reading.
struct MeasuredRibs {
    std::vector<MeasuredRib> ribs;
    std::size_t wallsNotMeasured = 0;

    static MeasuredRibs Of(CheckContext& context);
};

// Why the rib rules cannot be checked on a mesh.
inline constexpr const char* kRibsNeedSurfaces =
    "the part is a mesh: it holds no edges to tell ribs by";

// The finding's text: the wall's thickness in the document's unit, to a thousandth.
std::string OnAWall(double wall);

}  // namespace check
