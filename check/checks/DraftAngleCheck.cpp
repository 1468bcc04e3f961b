#include "check/checks/DraftAngleCheck.h"

#include "rules/CTeskIMDraftAngleRule.h"

namespace check {
namespace {

RuleLimit LimitOf(CTeskRule& rule, std::int32_t id) {
    const StoredParameter stored = StoredParameter::Of(rule, id);
    return {stored.on && !stored.values.empty(), stored.op,
            stored.values.empty() ? 0.0 : stored.values.front()};
}

}  // namespace

DraftAngleCheck::DraftAngleCheck(CTeskRule& rule)
    : RuleCheck(rule),
      m_core(LimitOf(rule, CTeskIMDraftAngleRule::kCoreSideAngle)),
      m_cavity(LimitOf(rule, CTeskIMDraftAngleRule::kCavitySideAngle)) {}

RuleResult DraftAngleCheck::Run(CheckContext& context) const {
    if (std::optional<RuleResult> refused = NotCheckable(m_core, m_cavity, "angle")) {
        return std::move(*refused);
    }
    const DocumentUnits& units = context.Units();
    RuleResult result = Checked(units.AngleName());
    const std::vector<FaceSides>& sides = context.Sides();
    for (std::uint32_t face = 0; face < sides.size(); ++face) {
        if (!sides[face].hasDraft) {
            continue;
        }
        const bool cavity = sides[face].cavityArea >= sides[face].coreArea;
        const RuleLimit& limit = cavity ? m_cavity : m_core;
        const double draft = units.AngleFromRadians(sides[face].smallestDraft);
        if (limit.on && !limit.Meets(draft, context.Tolerance())) {
            result.findings.push_back(
                At(face, draft, limit.value, cavity ? "cavity side" : "core side"));
        }
    }
    return result;
}

}  // namespace check
