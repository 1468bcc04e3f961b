#include "check/geometry/BrepSolids.h"

#include <fmt/format.h>
#include <BRepBuilderAPI_MakeSolid.hxx>
#include <BRep_Tool.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedDataMapOfShapeListOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Shell.hxx>
#include <TopoDS_Solid.hxx>

namespace check {

BrepSolids BrepSolids::Of(const TopoDS_Shape& shape) {
    BrepSolids found;
    for (TopExp_Explorer solids(shape, TopAbs_SOLID); solids.More(); solids.Next()) {
        found.solids.push_back(solids.Current());
    }
    int shellNumber = 0;
    for (TopExp_Explorer shells(shape, TopAbs_SHELL, TopAbs_SOLID); shells.More(); shells.Next()) {
        ++shellNumber;
        const TopoDS_Shell& shell = TopoDS::Shell(shells.Current());
        const std::uint32_t open = OpenEdges(shell);
        if (open == 0) {
            BRepBuilderAPI_MakeSolid solid(shell);
            if (solid.IsDone()) {
                found.solids.push_back(solid.Solid());
                continue;
            }
        }
        found.warnings.push_back(fmt::format(
            "shell {} outside any solid is not closed ({} edges bound one face only): not checked",
            shellNumber, open));
    }
    int looseFaces = 0;
    for (TopExp_Explorer faces(shape, TopAbs_FACE, TopAbs_SHELL); faces.More(); faces.Next()) {
        ++looseFaces;
    }
    if (looseFaces > 0) {
        found.warnings.push_back(
            fmt::format("{} face(s) outside any shell bound no solid: not checked", looseFaces));
    }
    return found;
}

std::uint32_t BrepSolids::OpenEdges(const TopoDS_Shape& solid) {
    TopTools_IndexedDataMapOfShapeListOfShape edgeFaces;
    TopExp::MapShapesAndUniqueAncestors(solid, TopAbs_EDGE, TopAbs_FACE, edgeFaces);
    std::uint32_t open = 0;
    for (int i = 1; i <= edgeFaces.Extent(); ++i) {
        const TopoDS_Edge& edge = TopoDS::Edge(edgeFaces.FindKey(i));
        const TopTools_ListOfShape& faces = edgeFaces(i);
        if (faces.Extent() != 1 || BRep_Tool::Degenerated(edge)) {
            continue;
        }
        open += BRep_Tool::IsClosed(edge, TopoDS::Face(faces.First())) ? 0 : 1;
    }
    return open;
}

}  // namespace check
