#pragma once

#include <TopoDS_Shape.hxx>

#include <cstddef>

#include "check/geometry/Part.h"

namespace check {

// Turns the solids of a file's shape with their surfaces into the checks' part: each solid's
// faces in a run of their own, each face meshed finely enough for the checks, its surface kind
// and radius; the holes, fillets, rounds, sharp inside corners, ribs and bosses found on the
// faces' surfaces and their meetings, and the distance from the holes' rims to the outer boundary
// of the faces they open into.
class BrepPart {
public:
    explicit BrepPart(std::size_t maxTriangles) : m_maxTriangles(maxTriangles) {}

    // Throws CheckError (without the file name) when the shape holds no solid or the mesh would
    // exceed the triangle limit.
    Part Build(const TopoDS_Shape& shape) const;

private:
    std::size_t m_maxTriangles;
};

}  // namespace check
