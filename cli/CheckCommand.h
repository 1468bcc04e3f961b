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
// used (one line on standard error naming the file and the problem).
int RunCheck(const CheckCommandOptions& options);
