#pragma once

#include <cstddef>

#include "check/geometry/Part.h"

namespace check {

// One solid of a part as a part of its own: its faces (numbered from 0 again), the triangles on
// them, the vertices those use and the holes, sharp corners, ribs and bosses among its faces. The
// rays of one solid's checks meet no other solid.
Part SolidPart(const Part& part, std::size_t solid);

// The centre of the face's area and its area-weighted outward normal (zero length where the
// normals cancel), per face.
struct FaceCentre {
    Vec3 centroid;
    Vec3 normal;
};
std::vector<FaceCentre> FaceCentres(const Part& part);

// The box the part's vertices fill: its lowest and highest corner.
std::pair<Vec3, Vec3> Bounds(const Part& part);

}  // namespace check
