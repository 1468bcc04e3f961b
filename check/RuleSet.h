#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "check/DocumentUnits.h"

class RuleDocument;

namespace check {

class RuleCheck;

// A rule document read once and its rules made into checks, for checking one part or many: the
// checks hold what they read from the rules, so that parts may be checked against them on
// several threads at once.
class RuleSet {
public:
    // Throws CheckError, one line naming the document and the problem, when it cannot be used.
    static std::shared_ptr<const RuleSet> Load(const std::filesystem::path& ruleDocument);
    // The same for a document held in memory (an editor's unsaved text), its bytes as a file
    // would hold them; messages name it by documentName.
    static std::shared_ptr<const RuleSet> Parse(std::string_view documentText,
                                                const std::filesystem::path& documentName);

    explicit RuleSet(std::unique_ptr<RuleDocument> document);
    ~RuleSet();
    RuleSet(const RuleSet&) = delete;
    RuleSet& operator=(const RuleSet&) = delete;

    const std::vector<std::unique_ptr<RuleCheck>>& Checks() const { return m_checks; }
    const DocumentUnits& Units() const { return m_units; }
    // What loading the document found amiss in its rule elements, one line each.
    const std::vector<std::string>& Warnings() const { return m_warnings; }

private:
    std::unique_ptr<RuleDocument> m_document;
    DocumentUnits m_units;
    std::vector<std::unique_ptr<RuleCheck>> m_checks;
    std::vector<std::string> m_warnings;
};

}  // namespace check
