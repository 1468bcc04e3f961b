#include "check/checks/RibEdgeRadiusCheck.h"

#include <algorithm>

#include "check/checks/MeasuredRibs.h"
#include "rules/CTeskMinRibEdgeRadiusRule.h"

namespace check {
namespace {

// The dialog's allowance for a range's ends.
constexpr double kRangeTolerance = 1e-6;

}  // namespace

RibEdgeRadiusCheck::RibEdgeRadiusCheck(CTeskRule& rule) : RuleCheck(rule) {
    using Rule = CTeskMinRibEdgeRadiusRule;
    const StoredParameter ratio = StoredParameter::Of(rule, Rule::kRadiusRatio);
    m_ratio = {ratio.on && !ratio.values.empty(), ratio.op,
               ratio.values.empty() ? 0.0 : ratio.values.front()};
    const StoredParameter option = StoredParameter::Of(rule, Rule::kOption);
    m_byAngle = option.on && !option.values.empty() && option.values.front() != 0;
    // In the order the dialog shows them: 1, 2, 3.
    for (const std::int32_t id : {Rule::kRange1, Rule::kRange2, Rule::kRange3}) {
        const StoredParameter range = StoredParameter::Of(rule, id);
        if (range.on && range.values.size() >= 2) {
            m_ranges.emplace_back(range.values[0], range.values[1]);
        }
    }
}

bool RibEdgeRadiusCheck::InRanges(double angle) const {
    return std::ranges::any_of(m_ranges, [&](const std::pair<double, double>& range) {
        return angle >= range.first - kRangeTolerance && angle <= range.second + kRangeTolerance;
    });
}

RuleResult RibEdgeRadiusCheck::Run(CheckContext& context) const {
    if (!context.GetPart().hasSurfaces) {
        return NotChecked(kRibsNeedSurfaces);
    }
    if (!m_ratio.on) {
        return NotChecked("the radius ratio is switched off");
    }
    if (!m_ratio.Usable()) {
        return NotChecked("the ratio's operator cannot be applied to a measured radius");
    }
    const DocumentUnits& units = context.Units();
    RuleResult result = Checked(units.LengthName());
    const MeasuredRibs measured = MeasuredRibs::Of(context);
    std::size_t outside = 0;
    for (const MeasuredRib& rib : measured.ribs) {
        if (m_byAngle && !InRanges(rib.rib->angle)) {
            ++outside;
            continue;
        }
        const double wall = units.LengthFromMillimetres(rib.wall);
        const RuleLimit limit{true, m_ratio.op, m_ratio.value * wall};
        const double radius = units.LengthFromMillimetres(rib.rib->rootRadius);
        if (!limit.Meets(radius, context.Tolerance())) {
            result.findings.push_back(At(rib.rib->side, radius, limit.value, OnAWall(wall)));
        }
    }
    result.figures = {
        {"ribs", static_cast<double>(measured.ribs.size())},
        {"ribs outside the angle ranges", static_cast<double>(outside)},
        {"ribs on a wall not measured", static_cast<double>(measured.wallsNotMeasured)}};
    return result;
}

}  // namespace check
