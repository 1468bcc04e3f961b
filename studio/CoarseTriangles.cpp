#include "studio/CoarseTriangles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace {

// Cells are numbered by their three places in the grid, 21 bits each.
std::uint64_t CellOf(const gp_Pnt& point, const gp_Pnt& low, double cell) {
    std::uint64_t key = 0;
    for (int axis = 1; axis <= 3; ++axis) {
        const auto place = static_cast<std::uint64_t>(
            std::max(0.0, std::floor((point.Coord(axis) - low.Coord(axis)) / cell)));
        key = key << 21 | (place & 0x1fffff);
    }
    return key;
}

}  // namespace

Handle(Graphic3d_ArrayOfTriangles) CoarseTriangles(const Handle(Graphic3d_ArrayOfTriangles) & fine,
                                                   const Bnd_Box& box, int cellsAlong) {
    const gp_Pnt low = box.CornerMin();
    const gp_XYZ size = box.CornerMax().XYZ() - low.XYZ();
    const double cell = std::max({size.X(), size.Y(), size.Z(), 1e-12}) / cellsAlong;
    std::unordered_map<std::uint64_t, int> cornerOfCell;
    std::vector<int> coarseCorner(static_cast<std::size_t>(fine->VertexNumber()) + 1);
    std::vector<int> firstFineCorner;
    for (int v = 1; v <= fine->VertexNumber(); ++v) {
        const auto [found, added] = cornerOfCell.try_emplace(
            CellOf(fine->Vertice(v), low, cell), static_cast<int>(firstFineCorner.size()) + 1);
        if (added) {
            firstFineCorner.push_back(v);
        }
        coarseCorner[static_cast<std::size_t>(v)] = found->second;
    }
    std::vector<std::array<int, 3>> kept;
    for (int e = 1; e + 2 <= fine->EdgeNumber(); e += 3) {
        const std::array<int, 3> corners{coarseCorner[static_cast<std::size_t>(fine->Edge(e))],
                                         coarseCorner[static_cast<std::size_t>(fine->Edge(e + 1))],
                                         coarseCorner[static_cast<std::size_t>(fine->Edge(e + 2))]};
        if (corners[0] != corners[1] && corners[1] != corners[2] && corners[0] != corners[2]) {
            kept.push_back(corners);
        }
    }
    Handle(Graphic3d_ArrayOfTriangles) coarse = new Graphic3d_ArrayOfTriangles(
        std::max(static_cast<int>(firstFineCorner.size()), 3),
        std::max(static_cast<int>(kept.size()) * 3, 3), Graphic3d_ArrayFlags_VertexNormal);
    for (const int v : firstFineCorner) {
        coarse->AddVertex(fine->Vertice(v), fine->VertexNormal(v));
    }
    for (const std::array<int, 3>& corners : kept) {
        coarse->AddEdges(corners[0], corners[1], corners[2]);
    }
    return coarse;
}
