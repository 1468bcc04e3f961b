// A rule's dialog on screen: the draft-angle dialog opened through the rule's EditRule, drawn by
// the studio on Qt's offscreen screen and closed with a click on OK, against veritor-rules edit
// running the same action as a script without a screen (the command's work in this process: the
// document locked, read, the dialog run and the document saved), and against the dialog alone
// run by the script, which is what drawing adds to.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <fstream>
#include <iostream>
#include <sstream>

#include "bench/BenchFolder.h"
#include "bench/RatioReporter.h"
#include "cli/Commands.h"
#include "cli/EditScript.h"
#include "rules/CTeskIMDraftAngleRule.h"
#include "studio/DialogScreen.h"
#include "studio/DialogWidget.h"
#include "studio/Screenshot.h"

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
    const BenchFolder folder;
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

BENCHMARK(BM_DialogOnScreenConfirmed);
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
