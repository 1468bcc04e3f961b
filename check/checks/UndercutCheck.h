#pragma once

#include "check/checks/RuleCheck.h"

namespace check {

// Undercut detection: the faces with area that neither half reaches along its pull; the
// finding's value is that area, its limit zero.
class UndercutCheck : public RuleCheck {
public:
    using RuleCheck::RuleCheck;
    RuleResult Run(CheckContext& context) const override;

    // Less of a face than this share unreached is the sampling's edge, not an undercut.
    static constexpr double kSmallestShare = 0.01;
};

}  // namespace check
