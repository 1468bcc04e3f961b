#pragma once

#include <cstdint>
#include <optional>

#include "check/DocumentUnits.h"
#include "check/SolidFeatures.h"
#include "check/geometry/Part.h"

namespace check {

// The holes, ribs and bosses recognised on a solid, its faces numbered from firstFace + 1 as the
// report numbers them; none on a mesh, whose faces hold no edges to tell them by.
std::optional<SolidFeatures> ReportFeatures(const Part& solid, std::uint32_t firstFace,
                                            const DocumentUnits& units);

}  // namespace check
