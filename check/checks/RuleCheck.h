#pragma once

#include <optional>
#include <string>

#include "check/CheckReport.h"
#include "check/checks/CheckContext.h"
#include "check/checks/RuleLimit.h"

class CTeskRule;

namespace check {

// One rule of the document, read from its parameters, applied to a part.
class RuleCheck {
public:
    explicit RuleCheck(const CTeskRule& rule);
    virtual ~RuleCheck() = default;
    RuleCheck(const RuleCheck&) = delete;
    RuleCheck& operator=(const RuleCheck&) = delete;

    virtual RuleResult Run(CheckContext& context) const = 0;

protected:
    // A checked result for this rule, with no findings yet.
    RuleResult Checked(std::string unit) const;
    // A result saying why the rule was not checked.
    RuleResult NotChecked(std::string reason) const;
    // Why a rule with two limits cannot be checked (both off, or an operator that a single
    // measured value cannot be held against), or nothing when it can.
    std::optional<RuleResult> NotCheckable(const RuleLimit& first, const RuleLimit& second,
                                           const std::string& measured) const;
    Finding At(std::uint32_t face, double value, double limit, std::string what = {}) const;

private:
    std::string m_name;
    std::string m_shownName;
    int m_severity;
};

}  // namespace check
