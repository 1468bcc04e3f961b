#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "check/geometry/MouldSides.h"
#include "check/geometry/Part.h"
#include "check/geometry/TriangleAdjacency.h"

namespace check {

// One stretch of the parting line, its points in millimetres in order along it.
struct PartingCurve {
    std::vector<Vec3> points;
    // The last point joins the first.
    bool closed = false;
    double length = 0;
    // The faces it runs between, the cavity's and the core's: on a part with surfaces one edge
    // of the part (both the same face where the line crosses a face at its silhouette); on an
    // STL the line runs on across faces and both are 0.
    std::uint32_t cavityFace = 0;
    std::uint32_t coreFace = 0;
    // The file's edge it runs along (from 0, as EdgeSpan numbers them), where known.
    std::optional<std::uint32_t> edge;
};

// Where the core side meets the cavity side on the part's outside: the sides of triangles the
// cavity forms that a triangle the core forms lies across. Across a face both halves form,
// parted at its silhouette, the line runs where its surface's normals turn square to the pull,
// found between the mesh's points; its triangles go to the half they face against its
// neighbours. Faces neither half reaches bound no line: on a part with undercuts the line
// follows the two main halves only.
class PartingLine {
public:
    PartingLine(const Part& part, const TriangleAdjacency& adjacency,
                const std::vector<FaceSides>& sides, const Vec3& pull);

    // On a part with surfaces, one curve per edge of the file between a cavity face and a core
    // face (and per silhouette across a face); on an STL, the sides joined into polylines
    // whatever faces they bound.
    std::vector<PartingCurve> Curves() const;

    // The curve with the points it can lose without straying more than tolerance from it.
    static PartingCurve Simplified(const PartingCurve& curve, double tolerance);

private:
    // Both halves form the face, parted at its silhouette.
    bool Parted(std::uint32_t face) const;
    MouldSide SideOf(std::uint32_t triangle) const;

    const Part& m_part;
    const TriangleAdjacency& m_adjacency;
    const std::vector<FaceSides>& m_sides;
    Vec3 m_pull;
};

}  // namespace check
