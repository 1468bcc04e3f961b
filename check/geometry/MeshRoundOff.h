#pragma once

#include "check/geometry/Part.h"

namespace check {

// The relative doubt an STL's single-precision corners put on what is measured from them (a
// draft, a distance): a corner is off by up to half a unit in the last place of its largest
// coordinate, and a triangle turns that into an angle over its edges' length. Zero for a part
// read with its surfaces.
double RelativeRoundOff(const Part& part);

}  // namespace check
