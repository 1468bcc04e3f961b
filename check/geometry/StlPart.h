#pragma once

#include <Poly_Triangulation.hxx>

#include "check/geometry/Part.h"

namespace check {

// Turns an STL's triangles into the checks' part: faces are the connected regions of triangles
// whose normals differ by less than a degree from their neighbours'. The whole mesh is one
// solid, whatever its pieces.
class StlPart {
public:
    explicit StlPart(double unitInMillimetres) : m_unit(unitInMillimetres) {}

    // Throws CheckError (without the file name) when a corner is not a finite number.
    Part Build(const Poly_Triangulation& mesh) const;

private:
    double m_unit;
};

}  // namespace check
