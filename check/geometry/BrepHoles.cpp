#include "check/geometry/BrepHoles.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRepAdaptor_Surface.hxx>
#include <BRepTools.hxx>
#include <BRep_Tool.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Edge.hxx>
#include <gp_Lin.hxx>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <set>

namespace check {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// How far two axes or radii may differ and still be one hole's, in millimetres.
constexpr double kSameAxis = 1e-4;
constexpr double kParallel = 1e-6;
// Points taken along each edge of a hole to find its ends on the axis.
constexpr int kEdgeSamples = 16;

Vec3 ToVec(const gp_XYZ& p) {
    return {p.X(), p.Y(), p.Z()};
}

// The axis of a concave cylinder or cone face; none for any other face.
std::optional<gp_Ax1> ConcaveAxis(const TopoDS_Face& face, SurfaceKind kind) {
    if ((kind != SurfaceKind::Cylinder && kind != SurfaceKind::Cone) ||
        !(AirSideCurvature(face) > 0)) {
        return std::nullopt;
    }
    const BRepAdaptor_Surface surface(face);
    return kind == SurfaceKind::Cylinder ? surface.Cylinder().Axis() : surface.Cone().Axis();
}

bool SameLine(const gp_Ax1& a, const gp_Ax1& b) {
    return a.IsParallel(b, kParallel) && gp_Lin(a).Distance(b.Location()) < kSameAxis;
}

double AngularSpan(const TopoDS_Face& face) {
    double u1 = 0, u2 = 0, v1 = 0, v2 = 0;
    BRepTools::UVBounds(face, u1, u2, v1, v2);
    return u2 - u1;
}

// A hole being gathered: its faces, its axis and its radius.
struct GatheredHole {
    std::set<std::uint32_t> faces;
    gp_Ax1 axis;
    double radius = 0;
};

class HoleFinder {
public:
    HoleFinder(const TopTools_IndexedMapOfShape& faces, const BrepContacts& contacts,
               const Part& part)
        : m_faces(faces), m_contacts(contacts), m_axes(part.faces.size()) {
        for (std::uint32_t f = 0; f < part.faces.size(); ++f) {
            m_axes[f] = ConcaveAxis(Face(f), part.faces[f].surface);
            m_cylinder.push_back(part.faces[f].surface == SurfaceKind::Cylinder);
            m_radius.push_back(part.faces[f].radius);
        }
    }

    std::vector<GatheredHole> Holes() {
        std::vector<GatheredHole> holes;
        std::vector<bool> taken(m_axes.size(), false);
        for (std::uint32_t f = 0; f < m_axes.size(); ++f) {
            if (taken[f] || !m_axes[f] || !m_cylinder[f]) {
                continue;
            }
            GatheredHole hole{Reach(f, true), *m_axes[f], m_radius[f]};
            double span = 0;
            for (const std::uint32_t face : hole.faces) {
                taken[face] = true;
                span += AngularSpan(Face(face));
            }
            if (span >= kTwoPi - 1e-3) {
                hole.faces = Reach(f, false);
                holes.push_back(hole);
            }
        }
        return holes;
    }

    const TopoDS_Face& Face(std::uint32_t f) const {
        return TopoDS::Face(m_faces(static_cast<int>(f) + 1));
    }

private:
    // The faces reached from the first across shared edges: the cylinder's own pieces only, or
    // those and the cones on its axis.
    std::set<std::uint32_t> Reach(std::uint32_t first, bool cylinderOnly) const {
        std::set<std::uint32_t> reached{first};
        std::vector<std::uint32_t> open{first};
        const gp_Ax1& axis = *m_axes[first];
        while (!open.empty()) {
            const std::uint32_t face = open.back();
            open.pop_back();
            for (const FaceContact& contact : m_contacts.Of(face)) {
                const std::uint32_t next = contact.neighbour;
                const auto& nextAxis = m_axes[next];
                const bool joins =
                    nextAxis && SameLine(axis, *nextAxis) &&
                    (m_cylinder[next] ? std::abs(m_radius[next] - m_radius[first]) < kSameAxis
                                      : !cylinderOnly);
                if (joins && reached.insert(next).second) {
                    open.push_back(next);
                }
            }
        }
        return reached;
    }

    const TopTools_IndexedMapOfShape& m_faces;
    const BrepContacts& m_contacts;
    std::vector<std::optional<gp_Ax1>> m_axes;
    std::vector<bool> m_cylinder;
    std::vector<double> m_radius;
};

// The hole's axis over the stretch its faces' edges cover.
PartHole Measure(const GatheredHole& hole, const HoleFinder& finder) {
    const gp_Pnt origin = hole.axis.Location();
    const gp_Vec direction(hole.axis.Direction());
    double low = 1e300, high = -1e300;
    for (const std::uint32_t face : hole.faces) {
        for (TopExp_Explorer edges(finder.Face(face), TopAbs_EDGE); edges.More(); edges.Next()) {
            const TopoDS_Edge& edge = TopoDS::Edge(edges.Current());
            if (BRep_Tool::Degenerated(edge)) {
                continue;
            }
            const BRepAdaptor_Curve curve(edge);
            const double first = curve.FirstParameter(), last = curve.LastParameter();
            for (int i = 0; i <= kEdgeSamples; ++i) {
                const gp_Pnt point = curve.Value(first + (last - first) * i / kEdgeSamples);
                const double along = gp_Vec(origin, point).Dot(direction);
                low = std::min(low, along);
                high = std::max(high, along);
            }
        }
    }
    PartHole measured;
    measured.face = *hole.faces.begin();
    measured.faceCount = static_cast<std::uint32_t>(hole.faces.size());
    measured.start = ToVec(origin.XYZ() + direction.XYZ() * low);
    measured.direction = ToVec(direction.XYZ());
    measured.diameter = 2 * hole.radius;
    measured.depth = high - low;
    return measured;
}

}  // namespace

HoleFaces FindHoles(const TopTools_IndexedMapOfShape& faces, const BrepContacts& contacts,
                    Part& part) {
    HoleFinder finder(faces, contacts, part);
    HoleFaces holeOf;
    for (const GatheredHole& hole : finder.Holes()) {
        for (const std::uint32_t face : hole.faces) {
            part.faces[face].hole = true;
            holeOf.emplace(face, *hole.faces.begin());
        }
        part.holes.push_back(Measure(hole, finder));
    }
    return holeOf;
}

}  // namespace check
