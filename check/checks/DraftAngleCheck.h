#pragma once

#include "check/checks/RuleCheck.h"
#include "check/checks/RuleLimit.h"

namespace check {

// Draft angle: on every face, the smallest draft of the part each half forms, held against
// that half's limit (core or cavity side) by its operator. A wall without draft that both
// halves reach is held against the smaller limit ("both sides"); a face the parting line
// crosses is not held against either.
class DraftAngleCheck : public RuleCheck {
public:
    explicit DraftAngleCheck(CTeskRule& rule);
    RuleResult Run(CheckContext& context) const override;

private:
    // The smaller of the limits that are on.
    const RuleLimit& Smaller() const;

    RuleLimit m_core;
    RuleLimit m_cavity;
};

}  // namespace check
