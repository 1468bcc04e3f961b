#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "check/geometry/Part.h"
#include "check/geometry/Vec3.h"

namespace check {

// The surface a region of mesh triangles was cut from, found by fitting a plane, a cylinder, a
// cone and a sphere in turn to the triangles' corners and normals; Other when none fits.
struct FittedSurface {
    SurfaceKind kind = SurfaceKind::Other;
    Vec3 axis;          // plane: its normal; cylinder, cone: the axis
    Vec3 centre;        // cylinder, cone: a point of the axis; sphere: the centre
    double radius = 0;  // cone: at the centre
    double slope = 0;   // cone: how fast the radius grows along the axis

    // The surface's normal at a point of the region, on the side the facet's normal points to;
    // the facet's own normal where the surface is Other.
    Vec3 NormalAt(const Vec3& point, const Vec3& facetNormal) const;
};

struct FacetRegion {
    const std::vector<Vec3>& points;
    const std::vector<std::array<std::uint32_t, 3>>& corners;
    const std::vector<Vec3>& normals;  // unit, per triangle
    std::vector<std::uint32_t> triangles;
};

FittedSurface FitSurface(const FacetRegion& region);

}  // namespace check
