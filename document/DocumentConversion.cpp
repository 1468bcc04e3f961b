#include "document/DocumentConversion.h"

#include <algorithm>
#include <iterator>

#include "document/RoundingCheck.h"

void ConvertRule(RuleDocument& document, LoadedRule& loaded, const RuleUnitSystemStructure& to,
                 std::vector<std::string>& losses) {
    if (!loaded.rule) {
        return;
    }
    const RuleUnitSystemStructure from = document.Units();
    const RoundingCheck check(*loaded.rule, from, to);
    loaded.rule->UpdateRule(&from, &to);
    std::ranges::move(check.Losses(*loaded.rule), std::back_inserter(losses));
    document.ReplaceRuleElement(loaded);
}

std::vector<std::string> ConvertRules(RuleDocument& document, std::vector<LoadedRule>& rules,
                                      const RuleUnitSystemStructure& to) {
    std::vector<std::string> losses;
    for (LoadedRule& loaded : rules) {
        ConvertRule(document, loaded, to, losses);
    }
    return losses;
}
