#pragma once

#include <filesystem>
#include <string>

// The two ways a rule document is loaded and saved again, each giving the saved text.

// Through the module: the document is read and checked, every rule element is loaded into a
// rule of its kind, written back by that rule in place of the old element, and the document
// is serialised.
std::string ModuleLoadSave(const std::filesystem::path& file);

// Bare pugixml: the file is parsed and serialised with the same declaration and indentation;
// empty when the file cannot be parsed.
std::string PugixmlLoadSave(const std::filesystem::path& file);
