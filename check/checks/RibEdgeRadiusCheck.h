#pragma once

#include <utility>
#include <vector>

#include "check/checks/RuleCheck.h"

namespace check {

// Minimum rib edge radius: the fillet along each rib's root (0 where it meets its wall sharp)
// must meet the ratio times the thickness of the wall the rib stands on, by the ratio's
// operator. With the angle ranges on, only ribs whose angle to their wall (90 degrees upright)
// lies in one of the three ranges are held to it; the ranges are in degrees whatever the
// document's angle unit, and a range whose start lies above its end holds no angle.
class RibEdgeRadiusCheck : public RuleCheck {
public:
    explicit RibEdgeRadiusCheck(CTeskRule& rule);
    RuleResult Run(CheckContext& context) const override;

private:
    bool InRanges(double angle) const;

    RuleLimit m_ratio;
    bool m_byAngle = false;
    std::vector<std::pair<double, double>> m_ranges;
};

}  // namespace check
