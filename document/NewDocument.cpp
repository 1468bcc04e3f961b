#include "document/NewDocument.h"

#include "document/RuleCatalogue.h"

std::unique_ptr<RuleDocument> MakeNewDocument(const RuleUnitSystemStructure& units, bool casting) {
    // The rules' defaults are in millimetres and degrees.
    const RuleUnitSystemStructure built{0, 0};
    auto document = std::make_unique<RuleDocument>(units.linearUnit, units.angularUnit);
    for (const RuleKind& kind : RuleCatalogue()) {
        const std::unique_ptr<CTeskRule> rule =
            casting ? kind.makeNamed(kCastingEngine, kCastingValidator, TESK_CATEGORY_CASTING)
                    : kind.makeDefault();
        rule->UpdateRule(&built, &units);
        document->AppendRule(*rule);
    }
    return document;
}
