#pragma once

#include <TopTools_IndexedMapOfShape.hxx>

#include "check/geometry/BrepContacts.h"
#include "check/geometry/Part.h"

namespace check {

// Tells the blends among the faces that are no hole's: a curved face (cylinder, torus, sphere or
// free-form) tangent along its edges to two other faces that meet at an angle (a slot's end is
// tangent to two parallel walls, a dome to one). A blend whose material lies outside its
// curvature is a fillet (flagged blend), one round its material a round; its radius is its
// surface's. Then lists every concave edge between two faces that meet without a blend.
void FindBlendsAndSharpCorners(const TopTools_IndexedMapOfShape& faces,
                               const BrepContacts& contacts, Part& part);

}  // namespace check
