#pragma once

#include <pugixml.hpp>

#include <memory>
#include <string>
#include <vector>

#include "document/RuleCatalogue.h"
#include "host/CTeskRule.h"

// Each rule kind with a rule of it at its defaults, whose English name the kind's elements
// carry and whose parameters tell how the elements are checked; with the element and
// attribute names, these are read once per document, not once per element. Names are kept in
// UTF-8, as the document holds them, so that elements are matched without converting them.
struct KnownRule {
    std::unique_ptr<CTeskRule> rule;
    const RuleKind* kind;
    std::string name;
};

struct KnownRules {
    std::string element;
    std::string nameAttribute;
    std::vector<KnownRule> rules;

    KnownRules();
};

// The known rule a node is an element of, or null for any other node.
const KnownRule* FindKind(const KnownRules& known, pugi::xml_node element);
