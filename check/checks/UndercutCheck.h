#pragma once

#include "check/checks/RuleCheck.h"

namespace check {

// Undercut detection: each region of meeting faces with area that neither half reaches along
// its pull, at its face with the most such area; the finding's value is the region's area, its
// limit zero, and it names the side that releases the region.
class UndercutCheck : public RuleCheck {
public:
    using RuleCheck::RuleCheck;
    RuleResult Run(CheckContext& context) const override;

    static constexpr double kSmallestShare = FaceSides::kUndercutShare;
};

}  // namespace check
