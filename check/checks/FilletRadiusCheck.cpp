#include "check/checks/FilletRadiusCheck.h"

#include "check/checks/RuleLimit.h"
#include "host/TeskTypes.h"
#include "rules/CTeskFilletRadiusRule.h"

namespace check {

FilletRadiusCheck::FilletRadiusCheck(CTeskRule& rule) : RuleCheck(rule) {
    const StoredParameter smallest =
        StoredParameter::Of(rule, CTeskFilletRadiusRule::kMinimumRadius);
    const StoredParameter largest =
        StoredParameter::Of(rule, CTeskFilletRadiusRule::kMaximumRadius);
    m_on = smallest.on && largest.on && !smallest.values.empty() && !largest.values.empty();
    if (m_on) {
        m_smallest = smallest.values.front();
        m_largest = largest.values.front();
    }
}

RuleResult FilletRadiusCheck::Run(CheckContext& context) const {
    const Part& part = context.GetPart();
    if (!part.hasSurfaces) {
        return NotChecked("the part is a mesh: it holds no surfaces to tell fillets by");
    }
    if (!m_on) {
        return NotChecked("the radius range is switched off");
    }
    const DocumentUnits& units = context.Units();
    RuleResult result = Checked(units.LengthName());
    for (std::uint32_t face = 0; face < part.faces.size(); ++face) {
        if (!part.faces[face].blend) {
            continue;
        }
        const double radius = units.LengthFromMillimetres(part.faces[face].radius);
        if (!RuleLimit{true, TESK_OP_GREATER_EQUAL, m_smallest}.Meets(radius,
                                                                      context.Tolerance())) {
            result.findings.push_back(At(face, radius, m_smallest, "smallest"));
        } else if (!RuleLimit{true, TESK_OP_LESS_EQUAL, m_largest}.Meets(radius,
                                                                         context.Tolerance())) {
            result.findings.push_back(At(face, radius, m_largest, "largest"));
        }
    }
    return result;
}

}  // namespace check
