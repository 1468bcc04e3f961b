#pragma once

#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS_Face.hxx>
#include <gp_Ax1.hxx>

#include "check/geometry/BrepContacts.h"
#include "check/geometry/Part.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <vector>

namespace check {

// The faces turned about an axis (cylinders and cones) that bend one way, grouped into the runs
// that lie on one surface, share edges and together close around the axis: a hole or a boss
// written as one face or as several.
class RevolvedFaces {
public:
    // Which way the faces bend: towards the air (a hole) or round the material (a boss).
    enum class Bend { Concave, Convex };

    RevolvedFaces(const TopTools_IndexedMapOfShape& faces, const BrepContacts& contacts,
                  const Part& part, Bend bend);

    struct Run {
        std::set<std::uint32_t> faces;
        gp_Ax1 axis;
        SurfaceKind surface = SurfaceKind::Cylinder;
    };
    // The closed runs of the given surface kind; a face in none of them is left out.
    std::vector<Run> ClosedRuns(SurfaceKind surface) const;
    // The faces reached from the run across shared edges that lie on its axis and bend its way,
    // whatever their radius or kind.
    std::set<std::uint32_t> OnItsAxis(const Run& run) const;

    // The face's axis; none where it is not a revolved face that bends this way.
    const std::optional<gp_Ax1>& Axis(std::uint32_t face) const { return m_axes[face]; }
    const TopoDS_Face& Face(std::uint32_t face) const;

private:
    bool OnOneSurface(std::uint32_t a, std::uint32_t b) const;
    std::set<std::uint32_t> Reach(std::uint32_t first,
                                  const std::function<bool(std::uint32_t)>& joins) const;

    const TopTools_IndexedMapOfShape& m_faces;
    const BrepContacts& m_contacts;
    const Part& m_part;
    std::vector<std::optional<gp_Ax1>> m_axes;
};

// Two axes on one line.
bool SameLine(const gp_Ax1& a, const gp_Ax1& b);

// The lowest and highest the faces' edges reach along the axis, from its origin.
struct AxialSpan {
    double low = 1e300;
    double high = -1e300;
    // The furthest an edge point lies from the axis, and where along it.
    double widest = 0;
    double widestAt = 0;
};
AxialSpan SpanAlong(const gp_Ax1& axis, const std::set<std::uint32_t>& faces,
                    const RevolvedFaces& revolved);

}  // namespace check
