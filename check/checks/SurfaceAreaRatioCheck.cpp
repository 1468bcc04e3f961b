#include "check/checks/SurfaceAreaRatioCheck.h"

#include "check/checks/RuleLimit.h"

namespace check {

RuleResult SurfaceAreaRatioCheck::Run(CheckContext& context) const {
    const DocumentUnits& units = context.Units();
    RuleResult result = Checked(units.LengthName() + "2");
    result.judged = false;
    double core = 0;
    double cavity = 0;
    for (const FaceSides& sides : context.Sides()) {
        core += sides.coreArea;
        cavity += sides.cavityArea;
    }
    result.figures = {
        {"core area", SixDecimals(units.AreaFromSquareMillimetres(core))},
        {"cavity area", SixDecimals(units.AreaFromSquareMillimetres(cavity))},
        {"core/cavity ratio", cavity > 0 ? SixDecimals(core / cavity) : 0.0},
    };
    return result;
}

}  // namespace check
