// A rule document from outside, handled as veritor-rules handles it: checked, loaded into its
// rules, converted to another unit system and saved. The first rule elements are also read by
// every rule kind, whatever they are named, so that every kind meets every kind of record.
// What is saved must load again and save to the same text: a save never loses or corrupts what
// the rules hold, and never writes what a later load refuses.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/RuleCatalogue.h"
#include "cli/RuleDocument.h"
#include "host/TeskXMLNode.h"

namespace {

constexpr int kElementsReadByEveryKind = 2;

[[noreturn]] void Fail(const char* problem, const std::string& detail) {
    std::fprintf(stderr, "%s\n%s\n", problem, detail.c_str());
    std::abort();
}

// Inches and radians from the defaults, millimetres and degrees from anything else.
RuleUnitSystemStructure OtherUnits(const RuleUnitSystemStructure& units) {
    return {units.linearUnit == 0 ? 3 : 0, units.angularUnit == 0 ? 1 : 0};
}

void ReadWithEveryKind(TeskXMLNode& element, const RuleUnitSystemStructure& units) {
    for (const RuleKind& kind : RuleCatalogue()) {
        const std::unique_ptr<CTeskRule> rule = kind.makeDefault();
        rule->PopulateParametersFromXML(&element);
        rule->UpdateRule(&units, &units);
        delete rule->GetXML();
    }
}

// The document as `units` saves it after loading: every known rule written anew.
std::string Resaved(RuleDocument& document) {
    for (LoadedRule& loaded : document.LoadRules()) {
        if (loaded.rule) {
            document.ReplaceRuleElement(loaded);
        }
    }
    return document.SaveText("saved.xml");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::unique_ptr<RuleDocument> document;
    try {
        document = RuleDocument::Parse(bytes, "input.xml");
    } catch (const DocumentError&) {
        return 0;
    }
    const RuleUnitSystemStructure from = document->Units();
    const RuleUnitSystemStructure to = OtherUnits(from);
    int index = 0;
    for (LoadedRule& loaded : document->LoadRules()) {
        if (index++ < kElementsReadByEveryKind) {
            ReadWithEveryKind(*loaded.element, from);
        }
        if (loaded.rule) {
            loaded.rule->UpdateRule(&from, &to);
            document->ReplaceRuleElement(loaded);
        }
    }
    document->SetUnits(to);
    std::string saved;
    try {
        // A value the conversion made unreadable (an overflow) stops the save.
        saved = document->SaveText("input.xml");
    } catch (const DocumentError&) {
        return 0;
    }

    std::unique_ptr<RuleDocument> reloaded;
    try {
        reloaded = RuleDocument::Parse(saved, "saved.xml");
    } catch (const DocumentError& error) {
        Fail("the saved document does not load again:", error.what());
    }
    std::string resaved;
    try {
        resaved = Resaved(*reloaded);
    } catch (const DocumentError& error) {
        Fail("the saved document, loaded again, cannot be saved:", error.what());
    }
    if (resaved != saved) {
        Fail("the saved document changes when it is loaded and saved again:", saved);
    }
    return 0;
}
