// An edit script from outside, acted out on the draft-angle dialog as `veritor-rules edit` acts
// it out: the rule is loaded from a document, the person's lines are run, and the rule goes
// back into the document. Whatever the lines do, the dialog closes; a dialog closed without OK
// leaves the rule exactly as it was; and what OK keeps saves, loads again and from then on
// stays the same.
#include <cmath>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/EditScript.h"
#include "cli/RuleDocument.h"
#include "fuzz/DocumentRoundTrip.h"
#include "platform/MessageSink.h"
#include "rules/CTeskIMDraftAngleRule.h"

namespace {

// A document in millimetres and degrees holding the draft-angle rule as a new document has it.
const std::string& OriginalDocument() {
    static const std::string text = [] {
        RuleDocument document(0, 0);
        CTeskIMDraftAngleRule rule(0);
        document.AppendRule(rule);
        return document.SaveText("original.xml");
    }();
    return text;
}

bool HoldsAnInfiniteValue(CTeskRule& rule) {
    for (const std::int32_t id :
         {CTeskIMDraftAngleRule::kCoreSideAngle, CTeskIMDraftAngleRule::kCavitySideAngle}) {
        CTeskParamStorage* param = rule.FindParameterInArray(id);
        const auto* data = param ? param->GetData<TESK_TYPE_DOUBLE>() : nullptr;
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
    const std::string& original = OriginalDocument();
    const std::unique_ptr<RuleDocument> document = RuleDocument::Parse(original, "original.xml");
    std::vector<LoadedRule> rules = document->LoadRules();
    if (rules.size() != 1 || !rules.front().rule) {
        FailFuzzCheck("the draft-angle rule does not load from its own document:", original);
    }
    LoadedRule& loaded = rules.front();

    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream shown;
    DefaultMessageSink().Clear();
    const ScriptedEdit edit = EditWithScript(*loaded.rule, script, shown, false);
    if (edit.dialogsRun != 1) {
        FailFuzzCheck("the draft-angle rule did not open its dialog exactly once", "");
    }

    document->ReplaceRuleElement(loaded);
    std::string saved;
    try {
        saved = document->SaveText("edited.xml");
    } catch (const DocumentError& error) {
        // A number typed beyond the range of doubles is kept as infinite, which the save
        // refuses with a clear message; anything else refused is the dialog's fault.
        if (edit.result == IDOK && HoldsAnInfiniteValue(*loaded.rule)) {
            return 0;
        }
        FailFuzzCheck("the dialog kept what the document cannot save:", error.what());
    }
    if (edit.result != IDOK) {
        if (saved != original) {
            FailFuzzCheck("a dialog closed without OK changed the rule:", saved);
        }
        return 0;
    }
    ExpectSettledOnReload(saved,
                          "the edited document keeps changing when it is loaded and saved again:");
    return 0;
}
