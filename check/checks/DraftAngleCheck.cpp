#include "check/checks/DraftAngleCheck.h"

#include "rules/CTeskIMDraftAngleRule.h"

namespace check {
DraftAngleCheck::DraftAngleCheck(CTeskRule& rule)
    : RuleCheck(rule),
      m_core(RuleLimit::FirstValueOf(rule, CTeskIMDraftAngleRule::kCoreSideAngle)),
      m_cavity(RuleLimit::FirstValueOf(rule, CTeskIMDraftAngleRule::kCavitySideAngle)) {}

const RuleLimit& DraftAngleCheck::Smaller() const {
    if (!m_core.on || !m_cavity.on) {
        return m_core.on ? m_core : m_cavity;
    }
    return m_core.value <= m_cavity.value ? m_core : m_cavity;
}

RuleResult DraftAngleCheck::Run(CheckContext& context) const {
    if (std::optional<RuleResult> refused = NotCheckable(m_core, m_cavity, "angle")) {
        return std::move(*refused);
    }
    const DocumentUnits& units = context.Units();
    RuleResult result = Checked(units.AngleName());
    const auto judge = [&](std::uint32_t face, const HalfDraft& half, const RuleLimit& limit,
                           const char* what) {
        const double draft = units.AngleFromRadians(half.smallest);
        if (half.measured && limit.on && !limit.Meets(draft, context.Tolerance())) {
            result.findings.push_back(At(face, draft, limit.value, what));
        }
    };
    const std::vector<FaceSides>& sides = context.Sides();
    for (std::uint32_t face = 0; face < sides.size(); ++face) {
        if (sides[face].upright) {
            judge(face, sides[face].cavity, Smaller(), "both sides");
            continue;
        }
        judge(face, sides[face].cavity, m_cavity, "cavity side");
        judge(face, sides[face].core, m_core, "core side");
    }
    return result;
}

}  // namespace check
