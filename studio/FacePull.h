#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "check/CheckReport.h"

// The pull a face of a checked part suggests: a plane face's outward normal, or the axis of a
// face curved about one (a cylinder's or a cone's), turned to lie on the side of the pull it
// was checked with. None for a face the meshes do not hold.
std::optional<check::Point> PullAlongFace(const std::vector<check::SolidMesh>& meshes,
                                          std::uint32_t face, const check::Point& checkedPull);
