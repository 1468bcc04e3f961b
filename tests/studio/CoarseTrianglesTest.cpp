#include <gtest/gtest.h>

#include <set>

#include "studio/CoarseTriangles.h"

namespace {

// A square 0..1 on the plane z = 0 cut into this many squares along each side, two triangles
// each, facing +Z.
Handle(Graphic3d_ArrayOfTriangles) FineSquare(int along) {
    const int corners = (along + 1) * (along + 1);
    Handle(Graphic3d_ArrayOfTriangles) square = new Graphic3d_ArrayOfTriangles(
        corners, along * along * 6, Graphic3d_ArrayFlags_VertexNormal);
    for (int j = 0; j <= along; ++j) {
        for (int i = 0; i <= along; ++i) {
            square->AddVertex(gp_Pnt(double(i) / along, double(j) / along, 0), gp::DZ());
        }
    }
    for (int j = 0; j < along; ++j) {
        for (int i = 0; i < along; ++i) {
            const int corner = j * (along + 1) + i + 1;
            square->AddEdges(corner, corner + 1, corner + along + 2);
            square->AddEdges(corner, corner + along + 2, corner + along + 1);
        }
    }
    return square;
}

Bnd_Box UnitBox() {
    Bnd_Box box;
    box.Update(0, 0, 0, 1, 1, 0);
    return box;
}

// Coarse: far fewer triangles, none shrunk to a line, every corner one of the fine ones, still
// facing the same way. Cells finer than the triangles keep every triangle.
TEST(CoarseTriangles, KeepsTheShapeWithFewerTriangles) {
    const Handle(Graphic3d_ArrayOfTriangles) fine = FineSquare(100);
    const Handle(Graphic3d_ArrayOfTriangles) coarse = CoarseTriangles(fine, UnitBox(), 10);
    EXPECT_GT(coarse->EdgeNumber() / 3, 50);
    EXPECT_LT(coarse->EdgeNumber() / 3, fine->EdgeNumber() / 3 / 20);
    std::set<std::tuple<double, double>> fineCorners;
    for (int v = 1; v <= fine->VertexNumber(); ++v) {
        fineCorners.emplace(fine->Vertice(v).X(), fine->Vertice(v).Y());
    }
    for (int e = 1; e <= coarse->EdgeNumber(); e += 3) {
        const gp_Pnt a = coarse->Vertice(coarse->Edge(e));
        const gp_Pnt b = coarse->Vertice(coarse->Edge(e + 1));
        const gp_Pnt c = coarse->Vertice(coarse->Edge(e + 2));
        const gp_Vec normal = gp_Vec(a, b).Crossed(gp_Vec(a, c));
        EXPECT_GT(normal.Z(), 0) << "triangle " << e / 3 << " flat or turned over";
        EXPECT_TRUE(fineCorners.count({a.X(), a.Y()}));
    }
    for (int v = 1; v <= coarse->VertexNumber(); ++v) {
        EXPECT_TRUE(coarse->VertexNormal(v).IsEqual(gp::DZ(), 1e-6));
    }

    const Handle(Graphic3d_ArrayOfTriangles) kept = CoarseTriangles(FineSquare(8), UnitBox(), 64);
    EXPECT_EQ(kept->EdgeNumber(), 8 * 8 * 6);
}

}  // namespace
