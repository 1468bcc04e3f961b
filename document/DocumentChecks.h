#pragma once

#include <pugixml.hpp>

#include <cstdint>
#include <filesystem>
#include <string>

#include "document/KnownRules.h"
#include "host/TeskXMLNode.h"

// What a document must hold to be read, and again to be saved: a unit code on its root, and
// parameter records the module reads without making values up. Each check throws DocumentError,
// its message starting with where or the path.

// The unit code in the root's attribute of this name, from 0 to last.
std::int32_t ReadUnitAttribute(const std::filesystem::path& path, TeskXMLNode& root,
                               const char* name, std::int32_t last);
// Checks the parameter records of every rule element of this module under root: each has a
// numeric Type, whole-numbered Operator and ParameterType, numbers in the Values of a numeric
// parameter, and an operator that keeps the parameter in a saved document.
void CheckRuleElements(const std::string& where, const KnownRules& known, pugi::xml_node root);
