// A rule document from outside, handled as veritor-rules handles it: checked, loaded into its
// rules, converted to another unit system and saved. The first rule elements are also read by
// every rule kind, whatever they are named, so that every kind meets every kind of record.
// What is saved must load again, and from then on loading and saving must change nothing: a save
// never writes what a later load refuses, and what a document holds never keeps changing or
// decaying. (The first reload may still differ: a range with a count it cannot take is emptied
// when written, and the description written with it told the values it had before.)
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/RuleCatalogue.h"
#include "document/RuleDocument.h"
#include "fuzz/DocumentRoundTrip.h"
#include "host/TeskXMLNode.h"

namespace {

constexpr int kElementsReadByEveryKind = 2;

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

// Writing the first rule anew into the text it was read from, as edit saves, gives a document
// that reads again.
void ExpectOneRuleRewriteReads(std::string_view bytes) {
    const std::unique_ptr<RuleDocument> document = RuleDocument::Parse(bytes, "input.xml");
    std::vector<LoadedRule> rules = document->LoadRules();
    for (LoadedRule& loaded : rules) {
        if (!loaded.rule) {
            continue;
        }
        document->ReplaceRuleElement(loaded);
        std::string text;
        try {
            text = document->SaveTextChangingOnly(loaded, "input.xml");
        } catch (const DocumentError&) {
            return;  // a value the rule cannot save stops an edit's save as well
        }
        try {
            RuleDocument::Parse(text, "edited.xml");
        } catch (const DocumentError& error) {
            FailFuzzCheck("one rule written anew gives a document that does not read:",
                          error.what());
        }
        return;
    }
}

// A document that kept no copy of its text saves one rewritten rule by writing itself whole.
void ExpectDroppedSourceSavesWhole(std::string_view bytes) {
    const std::unique_ptr<RuleDocument> document =
        RuleDocument::Parse(bytes, "input.xml", SourceText::dropped);
    std::vector<LoadedRule> rules = document->LoadRules();
    for (LoadedRule& loaded : rules) {
        if (!loaded.rule) {
            continue;
        }
        document->ReplaceRuleElement(loaded);
        try {
            if (document->SaveTextChangingOnly(loaded, "input.xml") !=
                document->SaveText("input.xml")) {
                FailFuzzCheck("one rule saved without the text read is not the whole save:",
                              std::string(bytes));
            }
        } catch (const DocumentError&) {
            // a value the rule cannot save stops both saves
        }
        return;
    }
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
    ExpectOneRuleRewriteReads(bytes);
    ExpectDroppedSourceSavesWhole(bytes);
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

    ExpectSettledOnReload(saved, "the document keeps changing when it is loaded and saved again:");
    return 0;
}
