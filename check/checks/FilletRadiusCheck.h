#pragma once

#include "check/checks/RuleCheck.h"

namespace check {

// Fillet radius: the radius of every blend face (a cylinder not closed around its axis, a torus
// by its tube, a sphere) must lie between the smallest and the largest radius, both included;
// the operators the rule stores mark the ends of that range.
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
