// The draft-angle dialog as a person uses it: opened through the rule's EditRule, a value
// typed and confirmed with OK, against a bare dialog on the same template opened and closed
// with OK, which is what the window system costs by itself.
#include <benchmark/benchmark.h>

#include "app/CTeskCommonRulesApp.h"
#include "bench/RatioReporter.h"
#include "dialogs/CTeskIMDraftAngleDlg.h"
#include "platform/window/DialogTemplate.h"
#include "platform/window/SimulatedUser.h"
#include "rules/CTeskIMDraftAngleRule.h"

namespace {

void BM_DraftAngleDialogConfirmed(benchmark::State& state) {
    CTeskIMDraftAngleRule rule(0);
    platform::SimulatedUserScope person([](platform::SimulatedUser& user) {
        user.Type(CTeskIMDraftAngleDlg::IDC_VALUE1, L"1.5");
        user.PressOk();
    });
    for (auto _ : state) {
        rule.EditRule();
    }
    if (person.LastResult() != IDOK) {
        state.SkipWithError("the dialog was not confirmed");
    }
}

void BM_BareDialogConfirmed(benchmark::State& state) {
    const std::optional<DialogTemplate> layout = LoadDialogTemplate(
        g_pTheApp ? g_pTheApp->m_hLangResDll : nullptr, CTeskIMDraftAngleDlg::IDD);
    if (!layout) {
        state.SkipWithError("no draft-angle template in the language library");
        return;
    }
    platform::SimulatedUserScope person([](platform::SimulatedUser& user) {
        user.Type(CTeskIMDraftAngleDlg::IDC_VALUE1, L"1.5");
        user.PressOk();
    });
    for (auto _ : state) {
        CDialog dialog;
        dialog.InitModalIndirect(*layout);
        dialog.DoModal();
    }
}

BENCHMARK(BM_DraftAngleDialogConfirmed);
BENCHMARK(BM_BareDialogConfirmed);

}  // namespace

int main(int argc, char** argv) {
    return RunBenchmarksWithRatios(
        argc, argv,
        {{"draft-angle dialog / bare dialog", "BM_DraftAngleDialogConfirmed",
          "BM_BareDialogConfirmed", "", 0}});
}
