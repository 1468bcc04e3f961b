#pragma once

#include <Poly_Triangulation.hxx>

#include "check/geometry/Part.h"

namespace check {

// Turns an STL's triangles into the checks' part: faces are regions of triangles grown across
// smooth bends (MeshRegions), each given the surface fitted to it (plane, cylinder, cone, sphere
// or other) and that surface's normals at its corners, so that a faceted surface is read as the
// surface it approximates. The whole mesh is one solid, whatever its pieces.
class StlPart {
public:
    explicit StlPart(double unitInMillimetres) : m_unit(unitInMillimetres) {}

    // Throws CheckError (without the file name) when a corner is not a finite number. Lets go
    // of the mesh as soon as its corners are taken: only the part's arrays grow after that.
    Part Build(Handle(Poly_Triangulation) mesh) const;

private:
    double m_unit;
};

}  // namespace check
