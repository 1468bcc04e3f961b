#include "check/checks/UndercutCheck.h"

namespace check {

RuleResult UndercutCheck::Run(CheckContext& context) const {
    const DocumentUnits& units = context.Units();
    RuleResult result = Checked(units.LengthName() + "2");
    const std::vector<FaceSides>& sides = context.Sides();
    const Part& part = context.GetPart();
    for (std::uint32_t face = 0; face < sides.size(); ++face) {
        const double unreached = sides[face].unreachableArea;
        if (unreached > kSmallestShare * part.faces[face].area) {
            result.findings.push_back(At(face, units.AreaFromSquareMillimetres(unreached), 0.0));
        }
    }
    return result;
}

}  // namespace check
