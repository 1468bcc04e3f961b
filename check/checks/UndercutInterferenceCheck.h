#pragma once

#include "check/checks/RuleCheck.h"
#include "check/checks/RuleLimit.h"

namespace check {

// Undercut interference: the die (slide or lifter) that releases each undercut region along
// its release direction. It is at most as thick as the region is narrow square to that
// direction (held against the die thickness), it reaches behind material by the depth of the
// region's samples that direction does not reach (the die overhang), and it travels the
// region's depth to clear it (the required gap).
class UndercutInterferenceCheck : public RuleCheck {
public:
    explicit UndercutInterferenceCheck(CTeskRule& rule);
    RuleResult Run(CheckContext& context) const override;

private:
    RuleLimit m_thickness;
    RuleLimit m_overhang;
    RuleLimit m_gap;
};

}  // namespace check
