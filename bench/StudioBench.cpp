// A rule's dialog on screen: the draft-angle dialog opened through the rule's EditRule, drawn by
// the studio on Qt's offscreen screen and closed with a click on OK, against veritor-rules edit
// running the same action as a script without a screen (the command's work in this process: the
// document locked, read, the dialog run and the document saved), and against the dialog alone
// run by the script, which is what drawing adds to. Then the same dialog confirmed in the main
// window over a document of 10,000 rules: the document and its table updated for that one rule.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <QUndoStack>
#include <fstream>
#include <iostream>
#include <sstream>

#include "bench/RatioReporter.h"
#include "bench/RuleDocumentFiles.h"
#include "cli/Commands.h"
#include "cli/EditScript.h"
#include "rules/CTeskIMDraftAngleRule.h"
#include "studio/DialogScreen.h"
#include "studio/DialogWidget.h"
#include "studio/MainWindow.h"
#include "studio/Screenshot.h"
#include "testing/TemporaryFolder.h"

namespace {

void BM_DialogOnScreenConfirmed(benchmark::State& state) {
    CTeskIMDraftAngleRule rule(0);
    DialogScreen screen(nullptr, [](DialogWidget& dialog) {
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.ControlCenter(IDOK));
    });
    for (auto _ : state) {
        rule.EditRule();
    }
    if (screen.LastResult() != IDOK) {
        state.SkipWithError("the dialog was not confirmed");
    }
}

void BM_DialogScriptedConfirmed(benchmark::State& state) {
    CTeskIMDraftAngleRule rule(0);
    std::ostringstream shown;
    ScriptedEdit edit;
    for (auto _ : state) {
        std::istringstream script("ok\n");
        edit = EditWithScript(rule, script, shown, false);
    }
    if (edit.result != IDOK) {
        state.SkipWithError("the dialog was not confirmed");
    }
}

void BM_EditCommandConfirmed(benchmark::State& state) {
    const TemporaryFolder folder("veritor-bench");
    const std::filesystem::path document = folder.Path() / "parts.xml";
    const std::filesystem::path script = folder.Path() / "ok.txt";
    RunNew({document});
    std::ofstream(script) << "ok\n";
    std::ostringstream printed;
    std::streambuf* const console = std::cout.rdbuf(printed.rdbuf());
    for (auto _ : state) {
        RunEdit({.file = document, .rule = "Draft Angle", .script = script});
    }
    std::cout.rdbuf(console);
}

// The last draft-angle rule of the document, confirmed unchanged: OK still writes the rule anew.
void BM_RuleConfirmedInALargeDocument(benchmark::State& state) {
    const int rules = static_cast<int>(state.range(0));
    MainWindow window;
    if (!window.OpenFile(RuleDocumentOf(rules).path)) {
        state.SkipWithError("the document did not open");
        return;
    }
    window.Screen().SetShownHook([](DialogWidget& dialog) {
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.ControlCenter(IDOK));
    });
    constexpr int kRuleKinds = 13;
    const int row = (rules - 1) / kRuleKinds * kRuleKinds;
    for (auto _ : state) {
        window.OpenRule(row);
        // Each step keeps the document's text twice; the history is not what is measured.
        state.PauseTiming();
        window.UndoStack().clear();
        state.ResumeTiming();
    }
    if (window.Screen().LastResult() != IDOK) {
        state.SkipWithError("the dialog was not confirmed");
    }
    state.SetLabel(std::to_string(rules) + " rules");
}

BENCHMARK(BM_DialogOnScreenConfirmed);
BENCHMARK(BM_RuleConfirmedInALargeDocument)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditCommandConfirmed);
BENCHMARK(BM_DialogScriptedConfirmed);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    UseSteadyAppearance();
    return RunBenchmarksWithRatios(
        argc, argv,
        {{"dialog on screen / veritor-rules edit", "BM_DialogOnScreenConfirmed",
          "BM_EditCommandConfirmed", "", 2.0},
         {"dialog on screen / dialog run by a script", "BM_DialogOnScreenConfirmed",
          "BM_DialogScriptedConfirmed", "", 0}});
}
