#include "check/checks/HoleEdgeDistanceCheck.h"

#include "rules/CTeskHoleToPartEdgeDistanceRule.h"

namespace check {

HoleEdgeDistanceCheck::HoleEdgeDistanceCheck(CTeskRule& rule) : RuleCheck(rule) {
    const StoredParameter stored =
        StoredParameter::Of(rule, CTeskHoleToPartEdgeDistanceRule::kDistance);
    m_limit = {stored.on && !stored.values.empty(), stored.op,
               stored.values.empty() ? 0.0 : stored.values.front()};
}

RuleResult HoleEdgeDistanceCheck::Run(CheckContext& context) const {
    const Part& part = context.GetPart();
    if (!part.hasSurfaces) {
        return NotChecked("the part is a mesh: it holds no surfaces to tell holes by");
    }
    if (!m_limit.on) {
        return NotChecked("the distance is switched off");
    }
    if (!m_limit.Usable()) {
        return NotChecked("the operator cannot be applied to a measured distance");
    }
    const DocumentUnits& units = context.Units();
    RuleResult result = Checked(units.LengthName());
    for (const HoleRim& rim : part.holeRims) {
        const double distance = units.LengthFromMillimetres(rim.edgeDistance);
        if (!m_limit.Meets(distance, context.Tolerance())) {
            result.findings.push_back(At(rim.holeFace, distance, m_limit.value));
        }
    }
    return result;
}

}  // namespace check
