#include "check/checks/UniformThicknessCheck.h"

#include <cmath>
#include <limits>

#include "rules/CTeskIMUniformThicknessRule.h"

namespace check {
namespace {

// Value 0 switches the limit on (when it is not 0 as an integer), value 1 is the thickness; a
// record of one value is the thickness alone, switched on.
RuleLimit LimitOf(CTeskRule& rule, std::int32_t id) {
    const StoredParameter stored = StoredParameter::Of(rule, id);
    if (stored.values.size() == 1) {
        return {stored.on, stored.op, stored.values[0]};
    }
    const bool on = stored.on && stored.values.size() >= 2 && std::trunc(stored.values[0]) != 0;
    return {on, stored.op, on ? stored.values[1] : 0.0};
}

}  // namespace

UniformThicknessCheck::UniformThicknessCheck(CTeskRule& rule)
    : RuleCheck(rule),
      m_minimum(LimitOf(rule, CTeskIMUniformThicknessRule::kMinimumThickness)),
      m_maximum(LimitOf(rule, CTeskIMUniformThicknessRule::kMaximumThickness)) {}

RuleResult UniformThicknessCheck::Run(CheckContext& context) const {
    if (std::optional<RuleResult> refused = NotCheckable(m_minimum, m_maximum, "thickness")) {
        return std::move(*refused);
    }
    const DocumentUnits& units = context.Units();
    RuleResult result = Checked(units.LengthName());
    const Part& part = context.GetPart();
    const std::vector<double>& thickness = context.Thickness();
    const std::vector<SurfaceSample>& samples = context.Samples();
    std::vector<double> thinnest(part.faces.size(), std::numeric_limits<double>::infinity());
    std::vector<double> thickest(part.faces.size(), -1.0);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (std::isnan(thickness[i])) {
            continue;
        }
        const std::uint32_t face = part.triangles[samples[i].triangle].face;
        thinnest[face] = std::min(thinnest[face], thickness[i]);
        thickest[face] = std::max(thickest[face], thickness[i]);
    }
    for (std::uint32_t face = 0; face < part.faces.size(); ++face) {
        if (thickest[face] < 0) {
            continue;
        }
        const double thin = units.LengthFromMillimetres(thinnest[face]);
        const double thick = units.LengthFromMillimetres(thickest[face]);
        if (m_minimum.on && !m_minimum.Meets(thin, context.Tolerance())) {
            result.findings.push_back(At(face, thin, m_minimum.value, "minimum"));
        }
        if (m_maximum.on && !m_maximum.Meets(thick, context.Tolerance())) {
            result.findings.push_back(At(face, thick, m_maximum.value, "maximum"));
        }
    }
    return result;
}

}  // namespace check
