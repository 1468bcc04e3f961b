#include "check/checks/RuleCheck.h"

#include "host/CTeskRule.h"
#include "platform/Utf.h"

namespace check {

RuleCheck::RuleCheck(const CTeskRule& rule)
    : m_name(platform::Utf8FromWide(rule.m_strName.str())),
      m_shownName(platform::Utf8FromWide(rule.m_strDisplayName.str())),
      m_severity(rule.m_nSeverity) {}

RuleResult RuleCheck::Checked(std::string unit) const {
    RuleResult result;
    result.rule = m_name;
    result.shown = m_shownName;
    result.severity = m_severity;
    result.checked = true;
    result.unit = std::move(unit);
    return result;
}

RuleResult RuleCheck::NotChecked(std::string reason) const {
    RuleResult result;
    result.rule = m_name;
    result.shown = m_shownName;
    result.severity = m_severity;
    result.reason = std::move(reason);
    return result;
}

std::optional<RuleResult> RuleCheck::NotCheckable(const RuleLimit& first, const RuleLimit& second,
                                                  const std::string& measured) const {
    if (!first.on && !second.on) {
        return NotChecked("both limits are switched off");
    }
    if ((first.on && !first.Usable()) || (second.on && !second.Usable())) {
        return NotChecked("a limit's operator cannot be applied to a measured " + measured);
    }
    return std::nullopt;
}

Finding RuleCheck::At(std::uint32_t face, double value, double limit, std::string what) const {
    return {face + 1, SixDecimals(value), SixDecimals(limit), m_severity, std::move(what), {}};
}

}  // namespace check
