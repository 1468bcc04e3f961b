#pragma once

#include <filesystem>
#include <optional>
#include <string>

struct CheckCommandOptions {
    std::filesystem::path part;
    std::filesystem::path rules;
    std::string pull = "0,0,1";
    std::string format = "text";
    std::optional<std::string> partUnits;
};

// Checks the part against the document's rules and prints the report. Returns 0 when no
// finding has severity 3 or more, 1 when one has, 2 when the part or the document cannot be
// used or the check command cannot be loaded (one line on standard error naming the file and
// the problem). The program loads the command from veritor-rules-check.so beside it.
int RunCheck(const CheckCommandOptions& options);

// The same, as veritor-rules-check.so exports it: with C linkage, so that it is found by name.
extern "C" int VeritorRunCheck(const CheckCommandOptions* options);
