#include "check/checks/UndercutInterferenceCheck.h"

#include <algorithm>
#include <array>
#include <string>

#include "rules/CTeskUndercutInterferenceRule.h"

namespace check {
UndercutInterferenceCheck::UndercutInterferenceCheck(CTeskRule& rule)
    : RuleCheck(rule),
      m_thickness(RuleLimit::FirstValueOf(rule, CTeskUndercutInterferenceRule::kDieThickness)),
      m_overhang(RuleLimit::FirstValueOf(rule, CTeskUndercutInterferenceRule::kDieOverhang)),
      m_gap(RuleLimit::FirstValueOf(rule, CTeskUndercutInterferenceRule::kRequiredGap)) {}

RuleResult UndercutInterferenceCheck::Run(CheckContext& context) const {
    const std::array<const RuleLimit*, 3> limits{&m_thickness, &m_overhang, &m_gap};
    if (std::ranges::none_of(limits, [](const RuleLimit* limit) { return limit->on; })) {
        return NotChecked("all its limits are switched off");
    }
    for (const RuleLimit* limit : limits) {
        if (limit->on && !limit->Usable()) {
            return NotChecked("a limit's operator cannot be applied to a measured length");
        }
    }
    const DocumentUnits& units = context.Units();
    RuleResult result = Checked(units.LengthName());
    for (const UndercutRegion& region : context.Undercuts()) {
        const std::array<std::pair<const RuleLimit*, std::pair<double, const char*>>, 3> readings{
            {{&m_thickness, {region.width, "die thickness"}},
             {&m_overhang, {region.overhang, "die overhang"}},
             {&m_gap, {region.depth, "required gap"}}}};
        const std::string along =
            region.releaseName.empty() ? std::string() : ", along " + region.releaseName;
        for (const auto& [limit, reading] : readings) {
            const double length = units.LengthFromMillimetres(reading.first);
            if (limit->on && !limit->Meets(length, context.Tolerance())) {
                result.findings.push_back(
                    At(region.mainFace, length, limit->value, reading.second + along));
            }
        }
    }
    return result;
}

}  // namespace check
