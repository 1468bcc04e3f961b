#pragma once

#include <cstdint>
#include <vector>

#include "check/CheckReport.h"
#include "check/DocumentUnits.h"
#include "check/geometry/MouldSides.h"
#include "check/geometry/Part.h"
#include "check/geometry/TriangleAdjacency.h"

namespace check {

// The solid's parting line as the report gives it: in the document's length unit, faces
// numbered after the firstFace faces of the solids before it, each stretch's points thinned
// within the mesh's chord tolerance (a thousandth of the solid's diagonal, as surfaces are
// meshed), the longest stretches listed while their points stay within
// PartingLineReport::kMostPoints.
PartingLineReport ReportPartingLine(const Part& solid, const TriangleAdjacency& adjacency,
                                    const std::vector<FaceSides>& sides, const Vec3& pull,
                                    std::uint32_t firstFace, const DocumentUnits& units);

}  // namespace check
