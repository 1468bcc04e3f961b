#pragma once

#include "check/checks/RuleCheck.h"

namespace check {

// Fillet radius: the radius of every fillet (a blend of a concave meeting of two faces) must lie
// between the smallest and the largest radius, both included; the operators the rule stores mark
// the ends of that range. An inside corner with no fillet has a radius of 0. Rounds (convex
// blends) are no fillets: they are counted beside the fillets, not held to the range.
class FilletRadiusCheck : public RuleCheck {
public:
    explicit FilletRadiusCheck(CTeskRule& rule);
    RuleResult Run(CheckContext& context) const override;

private:
    bool m_on = false;
    double m_smallest = 0;
    double m_largest = 0;
};

}  // namespace check
