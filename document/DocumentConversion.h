#pragma once

#include <string>
#include <vector>

#include "document/RuleDocument.h"

// A document's rules converted to another unit system. Each rule is converted from the
// document's units and written back into its element; the document's own units stay as they
// were until the caller sets them, so that a conversion that rounds values away can be refused
// before anything changes. What would be rounded away is told, one line per value.

// Converts one loaded rule; adds its losses to losses. An element of another module is left
// as it is.
void ConvertRule(RuleDocument& document, LoadedRule& loaded, const RuleUnitSystemStructure& to,
                 std::vector<std::string>& losses);
// ConvertRule for every rule given; returns the losses of them all.
std::vector<std::string> ConvertRules(RuleDocument& document, std::vector<LoadedRule>& rules,
                                      const RuleUnitSystemStructure& to);
