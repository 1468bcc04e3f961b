#pragma once

#include <TopoDS_Shape.hxx>

#include <cstdint>
#include <string>
#include <vector>

namespace check {

// The solids a file's shape holds, each to be checked on its own: its solids, and solids made of
// the shells outside any solid that close. Shells that do not close and faces outside any shell
// bound no material; they are left out and named in a warning.
struct BrepSolids {
    std::vector<TopoDS_Shape> solids;
    std::vector<std::string> warnings;

    static BrepSolids Of(const TopoDS_Shape& shape);

    // Edges of the solid that bound one face only (a seam of a closed surface bounds its face
    // twice, and a degenerate edge bounds nothing).
    static std::uint32_t OpenEdges(const TopoDS_Shape& solid);
};

}  // namespace check
