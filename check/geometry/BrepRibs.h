#pragma once

#include "check/geometry/BrepContacts.h"
#include "check/geometry/Part.h"

namespace check {

// Lists the part's ribs (see PartRib) from how its faces meet; the blends must be told first,
// since a root's fillet is a blend. A pair of sides further apart than the rib is high is a
// block, not a rib, and is left out.
void FindRibs(const BrepContacts& contacts, Part& part);

}  // namespace check
