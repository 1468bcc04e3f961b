#include "check/CheckReport.h"

#include <algorithm>

namespace check {

bool CheckReport::HasFinding(int severity) const {
    return std::ranges::any_of(rules, [severity](const RuleResult& rule) {
        return std::ranges::any_of(rule.findings,
                                   [severity](const Finding& f) { return f.severity >= severity; });
    });
}

std::size_t CheckReport::FindingCount() const {
    std::size_t count = 0;
    for (const RuleResult& rule : rules) {
        count += rule.findings.size();
    }
    return count;
}

bool CheckReport::Fails(const FailureBounds& bounds) const {
    return HasFinding(bounds.severity) ||
           (bounds.maxFindings && FindingCount() > *bounds.maxFindings);
}

}  // namespace check
