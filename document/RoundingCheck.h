#pragma once

#include <string>
#include <vector>

#include "host/CTeskRule.h"

// What a unit change would round away. A document keeps six decimals, so a value converted into
// a much larger unit can lose most of itself once stored (0.0004 mm is 0.000000 m). Taken before
// a rule is converted, the check then names every value whose stored form would differ from the
// exact conversion by more than 0.1%.
class RoundingCheck {
public:
    RoundingCheck(const CTeskRule& rule, const RuleUnitSystemStructure& from,
                  const RuleUnitSystemStructure& to);

    // After the rule's UpdateRule: one line per value that would be rounded away.
    std::vector<std::string> Losses(CTeskRule& rule) const;

private:
    struct TableCell {
        std::int32_t param;
        int row;
        int column;
        double exact;  // the old number converted, not yet rounded
    };

    std::vector<TableCell> m_tableCells;
};
