#pragma once

#include "check/checks/RuleCheck.h"

namespace check {

// Core/cavity surface-area ratio: the area each half forms and the core's area over the
// cavity's, reported as figures with no limit.
class SurfaceAreaRatioCheck : public RuleCheck {
public:
    using RuleCheck::RuleCheck;
    RuleResult Run(CheckContext& context) const override;
};

}  // namespace check
