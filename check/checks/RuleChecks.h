#pragma once

#include <memory>

#include "check/checks/RuleCheck.h"

namespace check {

// The check for a loaded rule of the module, by the rule's class; rules that need what a part
// file does not hold get one that says so.
std::unique_ptr<RuleCheck> MakeRuleCheck(CTeskRule& rule);

}  // namespace check
