#include "bench/RuleDocumentFiles.h"

#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "app/CTeskCommonRulesApp.h"
#include "document/DocumentFile.h"
#include "document/RuleCatalogue.h"
#include "document/RuleDocument.h"
#include "testing/TemporaryFolder.h"

namespace {

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

RuleDocumentFile Write(const std::filesystem::path& path, int ruleCount) {
    if (!g_pTheApp) {
        throw std::runtime_error("the rule module has not started");
    }
    const RuleUnitSystemStructure units{0, 0};
    RuleDocument document(units.linearUnit, units.angularUnit);
    const std::vector<RuleKind>& kinds = RuleCatalogue();
    for (int i = 0; i < ruleCount; ++i) {
        const std::unique_ptr<CTeskRule> rule = kinds[i % kinds.size()].makeDefault();
        rule->UpdateRule(&units, &units);
        document.AppendRule(*rule);
    }
    DocumentFile::OpenToCreate(path).Replace(document.SaveText(path));
    return {path, ReadBytes(path)};
}

}  // namespace

const RuleDocumentFile& RuleDocumentOf(int ruleCount) {
    static const TemporaryFolder folder("veritor-bench");
    static std::map<int, RuleDocumentFile> documents;
    auto found = documents.find(ruleCount);
    if (found == documents.end()) {
        const auto path = folder.Path() / ("rules-" + std::to_string(ruleCount) + ".xml");
        found = documents.emplace(ruleCount, Write(path, ruleCount)).first;
    }
    return found->second;
}
