#pragma once

#include <filesystem>
#include <string>

// A rule document of a given number of rules, written the way veritor-rules new writes one:
// the module's thirteen rule kinds in turn, each at its defaults, in millimetres and degrees.
struct RuleDocumentFile {
    std::filesystem::path path;
    std::string bytes;
};

// The document of this many rules, written on first use into a temporary folder that lasts
// as long as the program. Throws std::runtime_error when the module has not started.
const RuleDocumentFile& RuleDocumentOf(int ruleCount);
