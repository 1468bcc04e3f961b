#pragma once

#include <Bnd_Box.hxx>
#include <Graphic3d_ArrayOfTriangles.hxx>

// A coarse copy of triangles with normals, for drawing while the view moves: every corner
// moved to the first corner met in its cell of a grid laid over the box, this many cells along
// its longest side, and the triangles that shrink to a line or a point left out.
Handle(Graphic3d_ArrayOfTriangles) CoarseTriangles(const Handle(Graphic3d_ArrayOfTriangles) & fine,
                                                   const Bnd_Box& box, int cellsAlong);
