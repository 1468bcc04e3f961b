#pragma once

#include "check/checks/RuleCheck.h"
#include "check/checks/RuleLimit.h"

namespace check {

// Hole to part edge distance: for each hole (all its faces: the cylinder's pieces, a countersink
// or chamfer opening it), the shortest distance from its rims to the outer boundary of the planar
// faces it opens into, held against the limit by its operator.
class HoleEdgeDistanceCheck : public RuleCheck {
public:
    explicit HoleEdgeDistanceCheck(CTeskRule& rule);
    RuleResult Run(CheckContext& context) const override;

private:
    RuleLimit m_limit;
};

}  // namespace check
