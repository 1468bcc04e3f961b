#include "check/geometry/BrepAxes.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRepAdaptor_Surface.hxx>
#include <BRepTools.hxx>
#include <BRep_Tool.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Edge.hxx>
#include <gp_Cone.hxx>
#include <gp_Lin.hxx>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace check {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// How far two axes, radii or apexes may differ and still be one surface's, in millimetres.
constexpr double kSameAxis = 1e-4;
constexpr double kParallel = 1e-6;
// Points taken along each edge to find how far the faces reach.
constexpr int kEdgeSamples = 16;

std::optional<gp_Ax1> RevolvedAxis(const TopoDS_Face& face, SurfaceKind kind,
                                   RevolvedFaces::Bend bend) {
    if (kind != SurfaceKind::Cylinder && kind != SurfaceKind::Cone) {
        return std::nullopt;
    }
    const double curvature = AirSideCurvature(face);
    if (bend == RevolvedFaces::Bend::Concave ? !(curvature > 0) : !(curvature < 0)) {
        return std::nullopt;
    }
    const BRepAdaptor_Surface surface(face);
    return kind == SurfaceKind::Cylinder ? surface.Cylinder().Axis() : surface.Cone().Axis();
}

double AngularSpan(const TopoDS_Face& face) {
    double u1 = 0, u2 = 0, v1 = 0, v2 = 0;
    BRepTools::UVBounds(face, u1, u2, v1, v2);
    return u2 - u1;
}

}  // namespace

bool SameLine(const gp_Ax1& a, const gp_Ax1& b) {
    return a.IsParallel(b, kParallel) && gp_Lin(a).Distance(b.Location()) < kSameAxis;
}

RevolvedFaces::RevolvedFaces(const TopTools_IndexedMapOfShape& faces, const BrepContacts& contacts,
                             const Part& part, Bend bend)
    : m_faces(faces), m_contacts(contacts), m_part(part), m_axes(part.faces.size()) {
    for (std::uint32_t f = 0; f < part.faces.size(); ++f) {
        m_axes[f] = RevolvedAxis(Face(f), part.faces[f].surface, bend);
    }
}

const TopoDS_Face& RevolvedFaces::Face(std::uint32_t face) const {
    return TopoDS::Face(m_faces(static_cast<int>(face) + 1));
}

bool RevolvedFaces::OnOneSurface(std::uint32_t a, std::uint32_t b) const {
    const PartFace& fa = m_part.faces[a];
    const PartFace& fb = m_part.faces[b];
    if (!m_axes[a] || !m_axes[b] || fa.surface != fb.surface || !SameLine(*m_axes[a], *m_axes[b])) {
        return false;
    }
    if (fa.surface == SurfaceKind::Cylinder) {
        return std::abs(fa.radius - fb.radius) < kSameAxis;
    }
    const gp_Cone ca = BRepAdaptor_Surface(Face(a)).Cone();
    const gp_Cone cb = BRepAdaptor_Surface(Face(b)).Cone();
    const double sameSense = ca.Axis().Direction().Dot(cb.Axis().Direction()) > 0 ? 1 : -1;
    return ca.Apex().Distance(cb.Apex()) < kSameAxis &&
           std::abs(ca.SemiAngle() - sameSense * cb.SemiAngle()) < kParallel;
}

std::set<std::uint32_t> RevolvedFaces::Reach(
    std::uint32_t first, const std::function<bool(std::uint32_t)>& joins) const {
    std::set<std::uint32_t> reached{first};
    std::vector<std::uint32_t> open{first};
    while (!open.empty()) {
        const std::uint32_t face = open.back();
        open.pop_back();
        for (const FaceContact& contact : m_contacts.Of(face)) {
            if (joins(contact.neighbour) && reached.insert(contact.neighbour).second) {
                open.push_back(contact.neighbour);
            }
        }
    }
    return reached;
}

std::vector<RevolvedFaces::Run> RevolvedFaces::ClosedRuns(SurfaceKind surface) const {
    std::vector<Run> runs;
    std::vector<bool> taken(m_axes.size(), false);
    for (std::uint32_t f = 0; f < m_axes.size(); ++f) {
        if (taken[f] || !m_axes[f] || m_part.faces[f].surface != surface) {
            continue;
        }
        Run run{Reach(f, [&](std::uint32_t next) { return OnOneSurface(f, next); }), *m_axes[f],
                surface};
        double span = 0;
        for (const std::uint32_t face : run.faces) {
            taken[face] = true;
            span += AngularSpan(Face(face));
        }
        if (span >= kTwoPi - 1e-3) {
            runs.push_back(std::move(run));
        }
    }
    return runs;
}

std::set<std::uint32_t> RevolvedFaces::OnItsAxis(const Run& run) const {
    std::set<std::uint32_t> reached;
    for (const std::uint32_t first : run.faces) {
        reached.merge(Reach(first, [&](std::uint32_t next) {
            return m_axes[next] && SameLine(run.axis, *m_axes[next]);
        }));
    }
    return reached;
}

AxialSpan SpanAlong(const gp_Ax1& axis, const std::set<std::uint32_t>& faces,
                    const RevolvedFaces& revolved) {
    const gp_Pnt origin = axis.Location();
    const gp_Vec direction(axis.Direction());
    AxialSpan span;
    for (const std::uint32_t face : faces) {
        for (TopExp_Explorer edges(revolved.Face(face), TopAbs_EDGE); edges.More(); edges.Next()) {
            const TopoDS_Edge& edge = TopoDS::Edge(edges.Current());
            if (BRep_Tool::Degenerated(edge)) {
                continue;
            }
            const BRepAdaptor_Curve curve(edge);
            const double first = curve.FirstParameter(), last = curve.LastParameter();
            for (int i = 0; i <= kEdgeSamples; ++i) {
                const gp_Vec offset(origin, curve.Value(first + (last - first) * i / kEdgeSamples));
                const double along = offset.Dot(direction);
                span.low = std::min(span.low, along);
                span.high = std::max(span.high, along);
                const double across = (offset - direction * along).Magnitude();
                if (across > span.widest) {
                    span.widest = across;
                    span.widestAt = along;
                }
            }
        }
    }
    return span;
}

}  // namespace check
