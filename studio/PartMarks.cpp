#include "studio/PartMarks.h"

#include <Graphic3d_AspectLine3d.hxx>
#include <Graphic3d_Group.hxx>
#include <Prs3d_Arrow.hxx>
#include <Prs3d_ShadingAspect.hxx>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr std::size_t kMostOutlineSegments = 100'000;

// A triangle's side, kept with its lower end: its higher end, and the face of the triangle.
struct Side {
    std::uint32_t higher;
    std::uint32_t face;
};

// Every triangle's sides, grouped by their lower end (the sides of corner v from start[v] on) and
// each group in the order of their higher ends: placed as a counting sort places them, then each
// corner's few sides sorted, many times faster than sorting a million triangles' sides at once.
struct SidesByCorner {
    std::vector<std::size_t> start;
    std::vector<Side> sides;

    explicit SidesByCorner(const check::SolidMesh& mesh)
        : start(mesh.vertices.size() + 1, 0), sides(mesh.triangles.size() * 3) {
        for (const auto& corners : mesh.triangles) {
            for (int i = 0; i < 3; ++i) {
                ++start[std::min(corners[i], corners[(i + 1) % 3]) + 1];
            }
        }
        for (std::size_t v = 1; v < start.size(); ++v) {
            start[v] += start[v - 1];
        }
        std::vector<std::size_t> next(start.begin(), start.end() - 1);
        for (std::size_t t = 0; t < mesh.triangles.size(); ++t) {
            const auto& corners = mesh.triangles[t];
            for (int i = 0; i < 3; ++i) {
                const std::uint32_t a = corners[i];
                const std::uint32_t b = corners[(i + 1) % 3];
                sides[next[std::min(a, b)]++] = {std::max(a, b), mesh.triangleFaces[t]};
            }
        }
        for (std::size_t v = 0; v + 1 < start.size(); ++v) {
            std::sort(sides.begin() + static_cast<std::ptrdiff_t>(start[v]),
                      sides.begin() + static_cast<std::ptrdiff_t>(start[v + 1]),
                      [](const Side& x, const Side& y) { return x.higher < y.higher; });
        }
    }
};

void AddSegment(const check::SolidMesh& mesh, std::uint32_t lower, std::uint32_t higher,
                std::vector<gp_Pnt>& segments) {
    for (const std::uint32_t v : {lower, higher}) {
        const check::Point& p = mesh.vertices[v];
        segments.emplace_back(p[0], p[1], p[2]);
    }
}

// The sides of the mesh's triangles that bound its faces, those of undercut faces apart.
void AddOutlines(const check::SolidMesh& mesh, const FaceColours& colours,
                 std::vector<gp_Pnt>& outlines, std::vector<gp_Pnt>& undercuts) {
    const SidesByCorner byCorner(mesh);
    const std::vector<Side>& sides = byCorner.sides;
    for (std::uint32_t lower = 0; lower + 1 < byCorner.start.size(); ++lower) {
        const std::size_t last = byCorner.start[lower + 1];
        for (std::size_t begin = byCorner.start[lower]; begin < last;) {
            std::size_t end = begin + 1;
            bool twoFaces = false;
            bool undercut = colours.Undercut(sides[begin].face);
            while (end < last && sides[end].higher == sides[begin].higher) {
                twoFaces = twoFaces || sides[end].face != sides[begin].face;
                undercut = undercut || colours.Undercut(sides[end].face);
                ++end;
            }
            // A side of one triangle only bounds its face where faces do not share corners. Past
            // the most outlines drawn they are all left out: collecting more only costs.
            const bool bounds = twoFaces || end - begin == 1;
            if (bounds && (undercut || outlines.size() / 2 <= kMostOutlineSegments)) {
                AddSegment(mesh, lower, sides[begin].higher, undercut ? undercuts : outlines);
            }
            begin = end;
        }
    }
}

Handle(Graphic3d_ArrayOfSegments) SegmentArray(const std::vector<gp_Pnt>& points) {
    Handle(Graphic3d_ArrayOfSegments) array =
        new Graphic3d_ArrayOfSegments(static_cast<int>(std::max<std::size_t>(points.size(), 2)));
    for (const gp_Pnt& point : points) {
        array->AddVertex(point);
    }
    return array;
}

void AddLines(const Handle(Prs3d_Presentation) & presentation,
              const Handle(Graphic3d_ArrayOfSegments) & lines, const QColor& colour, double width) {
    if (lines->VertexNumber() == 0) {
        return;
    }
    const Handle(Graphic3d_Group) group = presentation->NewGroup();
    group->SetGroupPrimitivesAspect(
        new Graphic3d_AspectLine3d(OcctColour(colour), Aspect_TOL_SOLID, width));
    group->AddPrimitiveArray(lines);
}

}  // namespace

Quantity_Color OcctColour(const QColor& colour) {
    return Quantity_Color(colour.redF(), colour.greenF(), colour.blueF(), Quantity_TOC_sRGB);
}

PartOutlines::PartOutlines(const std::vector<check::SolidMesh>& meshes,
                           const FaceColours& colours) {
    std::vector<gp_Pnt> outlines;
    std::vector<gp_Pnt> undercuts;
    for (const check::SolidMesh& mesh : meshes) {
        AddOutlines(mesh, colours, outlines, undercuts);
    }
    // Past this many the outlines hide the faces they bound (a fine mesh grown into small
    // regions) and cost more to draw than the faces; undercuts stay marked.
    if (outlines.size() / 2 > kMostOutlineSegments) {
        outlines.clear();
    }
    m_outlines = SegmentArray(outlines);
    m_undercuts = SegmentArray(undercuts);
}

void PartOutlines::Compute(const Handle(PrsMgr_PresentationManager) &,
                           const Handle(Prs3d_Presentation) & presentation,
                           const Standard_Integer) {
    AddLines(presentation, m_outlines, QColor(30, 30, 30), 1.0);
    AddLines(presentation, m_undercuts, FaceColours::UndercutOutline(), 3.0);
}

PartingLines::PartingLines(const check::CheckReport& report) {
    std::vector<gp_Pnt> segments;
    for (const check::SolidSummary& solid : report.solids) {
        for (const check::PartingPolyline& line : solid.partingLine.lines) {
            const std::size_t count = line.points.size();
            const std::size_t spans = line.closed && count > 2 ? count : count - 1;
            for (std::size_t i = 0; count > 1 && i < spans; ++i) {
                for (const check::Point& p : {line.points[i], line.points[(i + 1) % count]}) {
                    segments.emplace_back(p[0], p[1], p[2]);
                }
            }
        }
    }
    m_lines = SegmentArray(segments);
}

void PartingLines::Compute(const Handle(PrsMgr_PresentationManager) &,
                           const Handle(Prs3d_Presentation) & presentation,
                           const Standard_Integer) {
    AddLines(presentation, m_lines, FaceColours::PartingLine(), 3.0);
}

PullArrow::PullArrow(const Bnd_Box& part, const gp_Dir& pull) : m_part(part), m_pull(pull) {}

void PullArrow::Compute(const Handle(PrsMgr_PresentationManager) &,
                        const Handle(Prs3d_Presentation) & presentation, const Standard_Integer) {
    if (m_part.IsVoid()) {
        return;
    }
    const gp_Pnt low = m_part.CornerMin();
    const gp_Pnt high = m_part.CornerMax();
    const double size = low.Distance(high);
    const gp_Pnt middle((low.XYZ() + high.XYZ()) / 2);
    const gp_Pnt start = middle.Translated(gp_Vec(m_pull) * (size * 0.55));
    const double length = size * 0.3;
    const Handle(Graphic3d_Group) group = presentation->NewGroup();
    Handle(Prs3d_ShadingAspect) aspect = new Prs3d_ShadingAspect();
    aspect->SetMaterial(Graphic3d_NameOfMaterial_Plastified);
    aspect->SetColor(OcctColour(QColor(20, 90, 200)));
    group->SetGroupPrimitivesAspect(aspect->Aspect());
    group->AddPrimitiveArray(Prs3d_Arrow::DrawShaded(gp_Ax1(start, m_pull), length * 0.03, length,
                                                     length * 0.08, length * 0.25, 24));
}
