#pragma once

#include <memory>

#include "document/RuleDocument.h"

// A document with every rule of the module at its defaults in the units given, built for
// moulding or, with casting, with the casting validator, engine and category.
std::unique_ptr<RuleDocument> MakeNewDocument(const RuleUnitSystemStructure& units, bool casting);
