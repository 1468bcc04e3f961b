// An edit script from outside, acted out on a rule's dialog as `veritor-rules edit` acts it out:
// the rule is loaded from a document holding every rule, the person's lines are run, and the
// rule goes back into the document. Whatever the lines do, the dialog closes; a dialog closed
// without OK leaves the document exactly as it was; and what OK keeps saves, loads again and
// from then on stays the same.
//
// A first line "# rule NAME" names the rule (its English name); without it the script edits the
// draft-angle rule. To the edit itself the line is a comment.
#include <cmath>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/EditScript.h"
#include "document/RuleCatalogue.h"
#include "document/RuleDocument.h"
#include "fuzz/DocumentRoundTrip.h"
#include "platform/MessageSink.h"
#include "platform/Utf.h"

namespace {

// A document in millimetres and degrees holding every rule as a new document has it.
const std::string& OriginalDocument() {
    static const std::string text = [] {
        RuleDocument document(0, 0);
        for (const RuleKind& kind : RuleCatalogue()) {
            document.AppendRule(*kind.makeDefault());
        }
        return document.SaveText("original.xml");
    }();
    return text;
}

std::string RuleNamed(const std::string& script) {
    const std::string prefix = "# rule ";
    if (script.compare(0, prefix.size(), prefix) != 0) {
        return "Draft Angle";
    }
    const std::size_t end = script.find('\n');
    return script.substr(prefix.size(), end == std::string::npos ? end : end - prefix.size());
}

bool HoldsAnInfiniteValue(CTeskRule& rule) {
    for (int p = 0; p < rule.m_arrParams.GetCount(); ++p) {
        const auto* data = rule.m_arrParams.ElementAt(p)->GetData<TESK_TYPE_DOUBLE>();
        for (int i = 0; data && i < data->Values.GetCount(); ++i) {
            if (std::isinf(data->Values.ElementAt(i))) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string name = RuleNamed(text);
    const std::string& original = OriginalDocument();
    const std::unique_ptr<RuleDocument> document = RuleDocument::Parse(original, "original.xml");
    std::vector<LoadedRule> rules = document->LoadRules();
    LoadedRule* loaded = nullptr;
    for (LoadedRule& candidate : rules) {
        if (candidate.rule && platform::Utf8FromWide(candidate.rule->m_strName.str()) == name) {
            loaded = &candidate;
        }
    }
    if (!loaded) {
        return 0;  // no such rule: nothing to edit
    }

    // The document as a save writes it with this rule's element written anew, before the edit.
    document->ReplaceRuleElement(*loaded);
    const std::string unedited = document->SaveText("unedited.xml");

    std::istringstream script(text);
    std::ostringstream shown;
    DefaultMessageSink().Clear();
    const ScriptedEdit edit = EditWithScript(*loaded->rule, script, shown, false);
    if (edit.dialogsRun > 1) {
        FailFuzzCheck("a rule opened its dialog more than once:", name);
    }

    document->ReplaceRuleElement(*loaded);
    std::string saved;
    try {
        saved = edit.result == IDOK ? document->SaveTextChangingOnly(*loaded, "edited.xml")
                                    : document->SaveText("edited.xml");
    } catch (const DocumentError& error) {
        // A number typed beyond the range of doubles is kept as infinite, which the save
        // refuses with a clear message; anything else refused is the dialog's fault.
        if (edit.result == IDOK && HoldsAnInfiniteValue(*loaded->rule)) {
            return 0;
        }
        FailFuzzCheck("the dialog kept what the document cannot save:", error.what());
    }
    if (edit.result != IDOK) {
        if (saved != unedited) {
            FailFuzzCheck("a dialog closed without OK changed the rule:", saved);
        }
        return 0;
    }
    ExpectSettledOnReload(saved,
                          "the edited document keeps changing when it is loaded and saved again:");
    return 0;
}
