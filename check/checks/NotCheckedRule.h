#pragma once

#include <string>

#include "check/checks/RuleCheck.h"

namespace check {

// A rule that needs what a part file does not hold; it reports why.
class NotCheckedRule : public RuleCheck {
public:
    NotCheckedRule(const CTeskRule& rule, std::string reason)
        : RuleCheck(rule), m_reason(std::move(reason)) {}
    RuleResult Run(CheckContext&) const override { return NotChecked(m_reason); }

private:
    std::string m_reason;
};

}  // namespace check
