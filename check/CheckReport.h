#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace check {

// A face that does not meet a rule: its number (from 1, in the order the file lists faces),
// what was measured and the limit it missed, in the rule document's units.
struct Finding {
    std::uint32_t face = 0;
    double value = 0;
    double limit = 0;
    int severity = 0;
    // Which limit: "core side", "minimum", ... (empty when the rule has one).
    std::string what;
};

// A figure a rule reports without judging it (the surface areas of core and cavity).
struct Figure {
    std::string name;
    double value = 0;
};

// One rule of the document applied to the part, or why it was not.
struct RuleResult {
    std::string rule;  // the English name, as in the document
    int severity = 0;
    bool checked = false;
    std::string reason;  // why not checked
    std::string unit;    // of the findings' values and limits
    std::vector<Finding> findings;
    std::vector<Figure> figures;
};

struct CheckReport {
    std::string part;
    std::string units;  // the document's, e.g. "mm, deg"
    std::vector<RuleResult> rules;
    // What loading the document found amiss in its rule elements, one line each.
    std::vector<std::string> warnings;

    // True when a finding has at least this severity.
    bool HasFinding(int severity) const;
    std::size_t FindingCount() const;
};

}  // namespace check
