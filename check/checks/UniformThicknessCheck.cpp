#include "check/checks/UniformThicknessCheck.h"

#include <cmath>

#include "check/geometry/FaceThickness.h"
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
    const FaceThickness faces(part, context.Samples(), context.Thickness());
    for (std::uint32_t face = 0; face < part.faces.size(); ++face) {
        if (!faces.Measured(face)) {
            continue;
        }
        const double thin = units.LengthFromMillimetres(faces.Thinnest(face));
        const double thick = units.LengthFromMillimetres(faces.Thickest(face));
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
