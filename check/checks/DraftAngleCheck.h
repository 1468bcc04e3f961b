#pragma once

#include "check/checks/RuleCheck.h"
#include "check/checks/RuleLimit.h"

namespace check {

// Draft angle: every face's smallest draft against the pull of the mould half that forms it,
// held against that half's limit (core or cavity side) by its operator.
class DraftAngleCheck : public RuleCheck {
public:
    explicit DraftAngleCheck(CTeskRule& rule);
    RuleResult Run(CheckContext& context) const override;

private:
    RuleLimit m_core;
    RuleLimit m_cavity;
};

}  // namespace check
