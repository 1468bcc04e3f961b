#pragma once

#include <cstdint>
#include <vector>

#include "check/CheckReport.h"
#include "check/DocumentUnits.h"
#include "check/geometry/MouldSides.h"
#include "check/geometry/Part.h"

namespace check {

// The solid's mesh in the document's length unit, its triangles naming faces as the report
// does (after the firstFace faces of the solids before it), and each face's mould half.
SolidMesh ReportMesh(const Part& solid, std::uint32_t number, std::uint32_t firstFace,
                     const std::vector<FaceSides>& sides, const DocumentUnits& units);

}  // namespace check
