#pragma once

#include "check/geometry/Vec3.h"

namespace check {

// The point of the triangle a, b, c nearest to p.
Vec3 NearestOnTriangle(const Vec3& p, const Vec3& a, const Vec3& b, const Vec3& c);

// The point of the segment a, b nearest to p.
Vec3 NearestOnSegment(const Vec3& p, const Vec3& a, const Vec3& b);

}  // namespace check
