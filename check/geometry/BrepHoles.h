#pragma once

#include <TopTools_IndexedMapOfShape.hxx>

#include "check/geometry/BrepContacts.h"
#include "check/geometry/Part.h"

#include <cstdint>
#include <map>

namespace check {

// Each hole face's hole, by the hole's lowest-numbered face.
using HoleFaces = std::map<std::uint32_t, std::uint32_t>;

// Finds the part's holes: concave cylinder faces that share an edge, an axis and a radius and
// together close around the axis (a hole is often written as two halves), joined by the concave
// cones on the same axis that end or open them (a drill point, a countersink, a chamfer), and a
// wider coaxial cylinder a flat step joins to them (a counterbore). Flags their faces as hole
// (the step is listed with the hole's faces but not flagged: it is a wall the hole steps into)
// and lists each hole with its axis, diameters, depths, whether it goes through and how it opens.
HoleFaces FindHoles(const TopTools_IndexedMapOfShape& faces, const BrepContacts& contacts,
                    Part& part);

}  // namespace check
