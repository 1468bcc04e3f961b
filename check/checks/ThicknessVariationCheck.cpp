#include "check/checks/ThicknessVariationCheck.h"

#include <cmath>

#include "check/checks/RuleLimit.h"
#include "check/geometry/SampleNeighbours.h"
#include "host/TeskTypes.h"
#include "rules/CTeskIMWTVariationRule.h"

namespace check {

ThicknessVariationCheck::ThicknessVariationCheck(CTeskRule& rule) : RuleCheck(rule) {
    const StoredParameter stored = StoredParameter::Of(rule, CTeskIMWTVariationRule::kVariation);
    m_on = stored.on && !stored.values.empty();
    m_limit = m_on ? stored.values.front() : 0.0;
}

RuleResult ThicknessVariationCheck::Run(CheckContext& context) const {
    if (!m_on) {
        return NotChecked("the limit is switched off");
    }
    RuleResult result = Checked("%");
    const Part& part = context.GetPart();
    const std::vector<double>& thickness = context.Thickness();
    const std::vector<SurfaceSample>& samples = context.Samples();
    std::vector<double> largest(part.faces.size(), -1.0);
    SampleNeighbours(samples).ForEachPair([&](std::size_t i, std::size_t j) {
        const double a = thickness[i];
        const double b = thickness[j];
        if (std::isnan(a) || std::isnan(b) || std::min(a, b) <= 0) {
            return;
        }
        const double change = std::abs(a - b) / std::min(a, b) * 100;
        const std::uint32_t face = part.triangles[samples[a < b ? i : j].triangle].face;
        largest[face] = std::max(largest[face], change);
    });
    for (std::uint32_t face = 0; face < part.faces.size(); ++face) {
        if (!RuleLimit{true, TESK_OP_LESS_EQUAL, m_limit}.Meets(largest[face],
                                                                context.Tolerance())) {
            result.findings.push_back(At(face, largest[face], m_limit));
        }
    }
    return result;
}

}  // namespace check
