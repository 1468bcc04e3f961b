#pragma once

#include <utility>
#include <vector>

#include "check/checks/RuleCheck.h"

namespace check {

// Rib height for thickness: each rib's height must not exceed the height the table gives for
// the thickness of the wall it stands on. The table's thicknesses are steps: a wall between two
// rows is held to the thinner row's height, since the table allows no more for it; a wall
// thinner than every row to the thinnest row's. Rows without a thickness and a height above 0
// are left out, as the dialog leaves them out.
class RibHeightCheck : public RuleCheck {
public:
    explicit RibHeightCheck(CTeskRule& rule);
    RuleResult Run(CheckContext& context) const override;

private:
    double HeightFor(double wall, double tolerance) const;

    bool m_on = false;
    // Thickness and height, thinnest first.
    std::vector<std::pair<double, double>> m_rows;
};

}  // namespace check
