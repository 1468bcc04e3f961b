#include "check/RuleSet.h"

#include "check/CheckError.h"
#include "check/checks/RuleChecks.h"
#include "document/RuleDocument.h"

namespace check {
namespace {

template <typename Read>
std::shared_ptr<const RuleSet> ReadDocument(Read read) {
    try {
        return std::make_shared<const RuleSet>(read());
    } catch (const DocumentError& error) {
        throw CheckError(error.what());
    }
}

}  // namespace

std::shared_ptr<const RuleSet> RuleSet::Load(const std::filesystem::path& ruleDocument) {
    return ReadDocument([&] { return RuleDocument::Load(ruleDocument); });
}

std::shared_ptr<const RuleSet> RuleSet::Parse(std::string_view documentText,
                                              const std::filesystem::path& documentName) {
    return ReadDocument([&] { return RuleDocument::Parse(documentText, documentName); });
}

RuleSet::RuleSet(std::unique_ptr<RuleDocument> document)
    : m_document(std::move(document)),
      m_units(m_document->Units().linearUnit, m_document->Units().angularUnit) {
    std::vector<LoadedRule> rules = m_document->LoadRules();
    for (LoadedRule& loaded : rules) {
        if (loaded.rule) {
            m_checks.push_back(MakeRuleCheck(*loaded.rule));
        }
    }
    m_warnings = m_document->Warnings();
}

RuleSet::~RuleSet() = default;

}  // namespace check
