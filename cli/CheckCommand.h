#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

struct CheckCommandOptions {
    std::filesystem::path part;
    std::filesystem::path rules;
    std::string pull = "0,0,1";
    std::string format = "text";
    std::optional<std::string> partUnits;
    // The solid to check, from 1; by default every solid, one by one.
    std::optional<std::uint32_t> solid;
    // Exit 1 on a finding of this severity or above, or on more findings than maxFindings.
    int failOn = 3;
    std::optional<std::size_t> maxFindings;
    // A list of parts (one path a line) or a folder of them, checked in place of part: one JSON
    // line per part, jobs parts at a time.
    std::optional<std::filesystem::path> batch;
    unsigned jobs = 1;
};

// Checks the part against the document's rules and prints the report. Returns 0 when the check
// passes, 1 when a finding reaches failOn or the findings outnumber maxFindings, 2 when the part
// or the document cannot be used or the check command cannot be loaded (one line on standard
// error naming the file and the problem, and with --format json the same as a JSON object on
// standard output). The program loads the command from veritor-rules-check.so beside it.
int RunCheck(const CheckCommandOptions& options);

// The same, as veritor-rules-check.so exports it: with C linkage, so that it is found by name.
extern "C" int VeritorRunCheck(const CheckCommandOptions* options);
