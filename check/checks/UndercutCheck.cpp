#include "check/checks/UndercutCheck.h"

namespace check {
namespace {

std::string Release(const UndercutRegion& region) {
    if (region.releaseName.empty() || region.overhang > 0) {
        return "no one side releases it";
    }
    return "released along " + region.releaseName;
}

}  // namespace

RuleResult UndercutCheck::Run(CheckContext& context) const {
    const DocumentUnits& units = context.Units();
    RuleResult result = Checked(units.LengthName() + "2");
    for (const UndercutRegion& region : context.Undercuts()) {
        result.findings.push_back(At(region.mainFace, units.AreaFromSquareMillimetres(region.area),
                                     0.0, Release(region)));
    }
    return result;
}

}  // namespace check
