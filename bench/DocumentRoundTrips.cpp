#include "bench/DocumentRoundTrips.h"

#include <pugixml.hpp>

#include <memory>
#include <vector>

#include "cli/RuleDocument.h"

namespace {

struct StringWriter : pugi::xml_writer {
    void write(const void* data, std::size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
    std::string text;
};

}  // namespace

std::string ModuleLoadSave(const std::filesystem::path& file) {
    const std::unique_ptr<RuleDocument> document = RuleDocument::Load(file);
    std::vector<LoadedRule> rules = document->LoadRules();
    for (LoadedRule& loaded : rules) {
        if (loaded.rule) {
            document->ReplaceRuleElement(loaded);
        }
    }
    return document->Xml().SaveText();
}

std::string PugixmlLoadSave(const std::filesystem::path& file) {
    pugi::xml_document document;
    if (!document.load_file(file.c_str(), pugi::parse_default | pugi::parse_declaration)) {
        return {};
    }
    StringWriter writer;
    document.save(writer, "  ", pugi::format_indent | pugi::format_no_declaration);
    return writer.text;
}
