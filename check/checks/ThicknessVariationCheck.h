#pragma once

#include "check/checks/RuleCheck.h"

namespace check {

// Wall-thickness variation: the largest change of thickness between neighbouring samples, as a
// percentage of the thinner, must not exceed the limit; each change is charged to the face of
// the thinner sample.
class ThicknessVariationCheck : public RuleCheck {
public:
    explicit ThicknessVariationCheck(CTeskRule& rule);
    RuleResult Run(CheckContext& context) const override;

private:
    bool m_on = false;
    double m_limit = 0;
};

}  // namespace check
