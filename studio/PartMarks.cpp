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

// A triangle's side, its ends in order, and the face of the triangle.
struct Side {
    std::uint64_t ends;
    std::uint32_t face;
};

// In the order of their ends: placed by their lower end first, counted out as a counting sort
// does, then each corner's few sides sorted by their higher end, which is many times faster
// than sorting a million triangles' sides at once.
std::vector<Side> SidesOf(const check::SolidMesh& mesh) {
    std::vector<std::size_t> start(mesh.vertices.size() + 1, 0);
    for (const auto& corners : mesh.triangles) {
        for (int i = 0; i < 3; ++i) {
            ++start[std::min(corners[i], corners[(i + 1) % 3]) + 1];
        }
    }
    for (std::size_t v = 1; v < start.size(); ++v) {
        start[v] += start[v - 1];
    }
    std::vector<Side> sides(mesh.triangles.size() * 3);
    std::vector<std::size_t> next(start.begin(), start.end() - 1);
    for (std::size_t t = 0; t < mesh.triangles.size(); ++t) {
        const auto& corners = mesh.triangles[t];
        for (int i = 0; i < 3; ++i) {
            const std::uint64_t a = corners[i];
            const std::uint64_t b = corners[(i + 1) % 3];
            sides[next[std::min(a, b)]++] = {std::min(a, b) << 32 | std::max(a, b),
                                             mesh.triangleFaces[t]};
        }
    }
    for (std::size_t v = 0; v + 1 < start.size(); ++v) {
        std::sort(sides.begin() + static_cast<std::ptrdiff_t>(start[v]),
                  sides.begin() + static_cast<std::ptrdiff_t>(start[v + 1]),
                  [](const Side& x, const Side& y) { return x.ends < y.ends; });
    }
    return sides;
}

void AddSegment(const check::SolidMesh& mesh, std::uint64_t ends, std::vector<gp_Pnt>& segments) {
    for (const std::uint64_t v : {ends >> 32, ends & 0xffffffffu}) {
        const check::Point& p = mesh.vertices[v];
        segments.emplace_back(p[0], p[1], p[2]);
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
        const std::vector<Side> sides = SidesOf(mesh);
        for (std::size_t begin = 0; begin < sides.size();) {
            std::size_t end = begin + 1;
            bool twoFaces = false;
            bool undercut = colours.Undercut(sides[begin].face);
            while (end < sides.size() && sides[end].ends == sides[begin].ends) {
                twoFaces = twoFaces || sides[end].face != sides[begin].face;
                undercut = undercut || colours.Undercut(sides[end].face);
                ++end;
            }
            // A side of one triangle only bounds its face where faces do not share corners.
            if (twoFaces || end - begin == 1) {
                AddSegment(mesh, sides[begin].ends, undercut ? undercuts : outlines);
            }
            begin = end;
        }
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
