#pragma once

#include <TopTools_IndexedMapOfShape.hxx>

#include "check/geometry/BrepContacts.h"
#include "check/geometry/Part.h"

namespace check {

// Lists the part's bosses (see PartBoss): convex cylinders or cones that close around their
// axis, their outer side written as one face or several, standing on a flat wall that they meet
// at an inside corner, sharp or through a fillet. The holes and blends must be found first: a
// boss's hole is one of the holes on its axis, its root fillet a blend. A pin that is the whole
// part stands on nothing and is no boss.
void FindBosses(const TopTools_IndexedMapOfShape& faces, const BrepContacts& contacts, Part& part);

}  // namespace check
