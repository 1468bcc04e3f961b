#pragma once

#include <memory>
#include <vector>

#include "host/CTeskRule.h"

// The rule classes the module exports, and how the host constructs each of them.
struct RuleKind {
    // The rule with the module's own names; rules that only have the constructor taking names
    // get the module's validator, engine and category through it.
    std::unique_ptr<CTeskRule> (*makeDefault)();
    std::unique_ptr<CTeskRule> (*makeNamed)(const CString& engine, const CString& validator,
                                            TeskRuleCategory_e category);
    // The rule's topic in the help file.
    int helpContextId;
};

const std::vector<RuleKind>& RuleCatalogue();

// The validator, engine and category of rules built for casting.
inline constexpr const wchar_t* kCastingValidator = L"TeskCastingRulesValidator";
inline constexpr const wchar_t* kCastingEngine = L"TeskCastingRulesEngine";
