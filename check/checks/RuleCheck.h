#pragma once

#include <string>

#include "check/CheckReport.h"
#include "check/checks/CheckContext.h"

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
    Finding At(std::uint32_t face, double value, double limit, std::string what = {}) const;

private:
    std::string m_name;
    int m_severity;
};

}  // namespace check
