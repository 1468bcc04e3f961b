#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/RuleDocument.h"

// The commands of veritor-rules. Each returns the process exit status; problems with a file
// are thrown as DocumentError.
int RunInfo();
int RunList();

struct NewOptions {
    std::filesystem::path file;
    std::string unit = "mm";
    std::string angle = "deg";
    bool casting = false;
    bool force = false;
};
int RunNew(const NewOptions& options);
// A document with every rule of the module at its defaults, built for moulding or for casting.
std::unique_ptr<RuleDocument> MakeNewDocument(const RuleUnitSystemStructure& units, bool casting);
// Converts a loaded rule from the document's units to the units given and writes it into its
// element, leaving the document's own units as they were; adds what the conversion rounds away
// to losses, one line per value.
void ConvertRule(RuleDocument& document, LoadedRule& loaded, const RuleUnitSystemStructure& to,
                 std::vector<std::string>& losses);
// ConvertRule for every rule given; returns the losses of them all.
std::vector<std::string> ConvertRules(RuleDocument& document, std::vector<LoadedRule>& rules,
                                      const RuleUnitSystemStructure& to);

int RunShow(const std::filesystem::path& file);

struct UnitsOptions {
    std::filesystem::path file;
    std::optional<std::string> unit;
    std::optional<std::string> angle;
    // Converts even when values would be rounded away in the new units.
    bool allowRounding = false;
};
int RunUnits(const UnitsOptions& options);

struct EditOptions {
    std::filesystem::path file;
    std::string rule;
    std::optional<std::filesystem::path> script;
};
// The document is saved only when the person confirms the dialog with OK.
int RunEdit(const EditOptions& options);
