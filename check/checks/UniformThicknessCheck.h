#pragma once

#include "check/checks/RuleCheck.h"
#include "check/checks/RuleLimit.h"

namespace check {

// Uniform thickness: each face's thinnest measured wall against the minimum limit and its
// thickest against the maximum limit, each when switched on, by its operator.
class UniformThicknessCheck : public RuleCheck {
public:
    explicit UniformThicknessCheck(CTeskRule& rule);
    RuleResult Run(CheckContext& context) const override;

private:
    RuleLimit m_minimum;
    RuleLimit m_maximum;
};

}  // namespace check
