#include "studio/PartShapes.h"

#include <BRep_Builder.hxx>
#include <Graphic3d_NameOfMaterial.hxx>
#include <Poly_Triangulation.hxx>
#include <Prs3d_Drawer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Face.hxx>
#include <map>
#include <numeric>

#include "studio/PartMarks.h"

namespace {

// The triangles of the mesh in the order of their faces.
std::vector<std::uint32_t> TrianglesByFace(const check::SolidMesh& mesh) {
    std::vector<std::uint32_t> order(mesh.triangles.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return mesh.triangleFaces[a] < mesh.triangleFaces[b];
    });
    return order;
}

// One face's triangles, [begin, end) of order, with their corners numbered afresh.
TopoDS_Face FaceOf(const check::SolidMesh& mesh, const std::vector<std::uint32_t>& order,
                   std::size_t begin, std::size_t end, std::vector<std::int32_t>& local,
                   std::vector<std::uint32_t>& used) {
    used.clear();
    for (std::size_t t = begin; t < end; ++t) {
        for (const std::uint32_t v : mesh.triangles[order[t]]) {
            if (local[v] < 0) {
                local[v] = static_cast<std::int32_t>(used.size()) + 1;
                used.push_back(v);
            }
        }
    }
    Handle(Poly_Triangulation) triangulation =
        new Poly_Triangulation(static_cast<int>(used.size()), static_cast<int>(end - begin), false);
    for (std::size_t n = 0; n < used.size(); ++n) {
        const check::Point& p = mesh.vertices[used[n]];
        triangulation->SetNode(static_cast<int>(n) + 1, gp_Pnt(p[0], p[1], p[2]));
    }
    for (std::size_t t = begin; t < end; ++t) {
        const auto& corners = mesh.triangles[order[t]];
        triangulation->SetTriangle(
            static_cast<int>(t - begin) + 1,
            Poly_Triangle(local[corners[0]], local[corners[1]], local[corners[2]]));
    }
    for (const std::uint32_t v : used) {
        local[v] = -1;
    }
    TopoDS_Face face;
    BRep_Builder().MakeFace(face, triangulation);
    return face;
}

void AddFaces(const check::SolidMesh& mesh, PartShapes& shapes) {
    const std::vector<std::uint32_t> order = TrianglesByFace(mesh);
    std::vector<std::int32_t> local(mesh.vertices.size(), -1);
    std::vector<std::uint32_t> used;
    for (std::size_t begin = 0; begin < order.size();) {
        const std::uint32_t number = mesh.triangleFaces[order[begin]];
        std::size_t end = begin;
        while (end < order.size() && mesh.triangleFaces[order[end]] == number) {
            ++end;
        }
        shapes.faceShapes.Add(FaceOf(mesh, order, begin, end, local, used));
        shapes.faceNumbers.push_back(number);
        begin = end;
    }
    for (const check::Point& p : mesh.vertices) {
        shapes.box.Add(gp_Pnt(p[0], p[1], p[2]));
    }
}

}  // namespace

PartShapes BuildPartShapes(const check::CheckReport& report, const FaceColours& colours,
                           ColourBy by) {
    PartShapes shapes;
    for (const check::SolidMesh& mesh : report.meshes) {
        AddFaces(mesh, shapes);
    }
    Recolour(shapes, colours, by);
    shapes.outlines = new PartOutlines(report, colours);
    const check::Point& pull = report.pull;
    shapes.pullArrow = new PullArrow(shapes.box, gp_Dir(pull[0], pull[1], pull[2]));
    return shapes;
}

void Recolour(PartShapes& shapes, const FaceColours& colours, ColourBy by) {
    // The faces of one colour in a compound of their own, coloured as one: a colour per face
    // would draw each face apart, too slow on a part of many small faces.
    std::map<QRgb, TopoDS_Compound> byColour;
    for (int i = 1; i <= shapes.faceShapes.Extent(); ++i) {
        const QRgb colour = colours.Colour(shapes.faceNumbers[i - 1], by).rgb();
        auto [group, added] = byColour.try_emplace(colour);
        if (added) {
            BRep_Builder().MakeCompound(group->second);
        }
        BRep_Builder().Add(group->second, shapes.faceShapes(i));
    }
    TopoDS_Compound all;
    BRep_Builder().MakeCompound(all);
    for (const auto& [colour, group] : byColour) {
        BRep_Builder().Add(all, group);
    }
    shapes.faces = new AIS_ColoredShape(all);
    // The faces are the checker's triangles: never meshed again.
    shapes.faces->Attributes()->SetAutoTriangulation(false);
    // A material that takes the faces' colours, not its own.
    shapes.faces->SetMaterial(Graphic3d_NameOfMaterial_Plastified);
    for (const auto& [colour, group] : byColour) {
        shapes.faces->SetCustomColor(group, OcctColour(QColor::fromRgb(colour)));
    }
}
