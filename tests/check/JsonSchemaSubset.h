#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

// Checks a JSON value against the part of JSON Schema that the check report's schema uses:
// type, const, enum, properties, required, additionalProperties (false or a schema), items,
// minItems, maxItems, minimum, oneOf and $ref to "#/$defs/NAME"; titles and descriptions are
// read past. Returns the problems, each with where it was found; none when the value is valid.
// A keyword outside this part is a problem itself, so that the schema cannot grow past what the
// tests can check.
std::vector<std::string> SchemaProblems(const nlohmann::json& schema, const nlohmann::json& value);
