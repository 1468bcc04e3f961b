#include "check/checks/FilletRadiusCheck.h"

#include <fmt/format.h>

#include <cmath>

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
    const RuleLimit smallest{true, TESK_OP_GREATER_EQUAL, m_smallest};
    const RuleLimit largest{true, TESK_OP_LESS_EQUAL, m_largest};
    std::size_t fillets = 0;
    std::size_t rounds = 0;
    for (std::uint32_t face = 0; face < part.faces.size(); ++face) {
        rounds += part.faces[face].round ? 1 : 0;
        if (!part.faces[face].blend) {
            continue;
        }
        ++fillets;
        const double radius = units.LengthFromMillimetres(part.faces[face].radius);
        if (!smallest.Meets(radius, context.Tolerance())) {
            result.findings.push_back(At(face, radius, m_smallest, "smallest"));
        } else if (!largest.Meets(radius, context.Tolerance())) {
            result.findings.push_back(At(face, radius, m_largest, "largest"));
        }
    }
    if (!smallest.Meets(0, context.Tolerance())) {
        for (const SharpCorner& corner : part.sharpCorners) {
            result.findings.push_back(At(corner.face, 0, m_smallest,
                                         fmt::format("sharp inside corner of {:g} degrees",
                                                     std::round(corner.angle * 10) / 10)));
        }
    }
    result.figures = {{"fillets", static_cast<double>(fillets)},
                      {"rounds (convex blends, not fillets)", static_cast<double>(rounds)}};
    return result;
}

}  // namespace check
