#pragma once

#include "check/checks/RuleCheck.h"

namespace check {

// Wall-thickness variation, as a percentage of the thinner wall, must not exceed the limit: the
// largest change between neighbouring samples (the sphere rolls from a wall into a thicker one
// over about the thicker one's thickness, so samples that far apart are neighbours too), and
// between the typical thickness of each two faces that meet, whichever way they face, each
// change charged to the thinner's face. Thick sections, regions thicker than the part's nominal
// wall by more than the limit, are findings of their own.
class ThicknessVariationCheck : public RuleCheck {
public:
    explicit ThicknessVariationCheck(CTeskRule& rule);
    RuleResult Run(CheckContext& context) const override;

private:
    // Per face, the largest change found, or -1.
    std::vector<double> LargestChanges(CheckContext& context, double nominal) const;

    bool m_on = false;
    double m_limit = 0;
};

}  // namespace check
