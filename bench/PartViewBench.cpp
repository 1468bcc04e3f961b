// The 1,000,000-triangle ring checked for every rule, without and with what the part view needs
// (each solid's mesh and mould sides), and shown coloured in the view: colouring should add at
// most a fifth to the check. Then the frames a second while the view turns, Mesa's software
// OpenGL on a virtual X server when there is no display: 20 at least. Beside the wall-clock
// figures, the process's processor time (all its threads, the check's and Mesa's), which the
// other work on a shared machine disturbs less.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <ctime>

#include "bench/RatioReporter.h"
#include "bench/RippledRing.h"
#include "bench/RuleDocumentFiles.h"
#include "check/PartChecker.h"
#include "studio/PartScreenshot.h"
#include "studio/PartShapes.h"
#include "studio/PartView.h"

namespace {

const std::filesystem::path& Rules() {
    return RuleDocumentOf(13).path;
}

// Processor time in seconds: the whole process's, or this thread's.
double CpuSeconds(clockid_t clock) {
    timespec now{};
    ::clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double ProcessSeconds() {
    return CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
}

double ThreadSeconds() {
    return CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
}

check::CheckReport CheckRing(bool keepMeshes) {
    check::CheckOptions options;
    options.keepMeshes = keepMeshes;
    return check::PartChecker(options).Check(RippledRingStl(), Rules());
}

void BM_CheckWithoutView(benchmark::State& state) {
    const double start = ProcessSeconds();
    for (auto _ : state) {
        const check::CheckReport report = CheckRing(false);
        benchmark::DoNotOptimize(report.rules.data());
    }
    state.counters["process CPU s"] =
        (ProcessSeconds() - start) / static_cast<double>(state.iterations());
}

// The check keeping the meshes, then the view built, coloured and drawn once from its report, as
// Check Part does: the report's meshes moved into the view's shapes (on the check's thread
// there), not copied. Apart: the processor time building the shapes takes, and showing them
// (the window's thread: displaying and the first drawing), and the longest showing took.
void BM_CheckAndColour(benchmark::State& state) {
    PartView view;
    view.resize(800, 600);
    view.show();
    if (!view.Unavailable().isEmpty()) {
        state.SkipWithError(view.Unavailable().toStdString().c_str());
        return;
    }
    const double start = ProcessSeconds();
    double shapes = 0;
    double shown = 0;
    double shownLongest = 0;
    for (auto _ : state) {
        check::CheckReport report = CheckRing(true);
        const double built = ThreadSeconds();
        std::vector<check::SolidMesh> meshes = std::move(report.meshes);
        auto made = std::make_shared<PartShapes>(
            BuildPartShapes(report, std::move(meshes), view.ColouredBy()));
        const double showing = ThreadSeconds();
        const auto showingAt = std::chrono::steady_clock::now();
        view.Show(report, std::move(made));
        QApplication::processEvents();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - showingAt;
        shapes += showing - built;
        shown += ThreadSeconds() - showing;
        shownLongest = std::max(shownLongest, took.count());
    }
    const auto rounds = static_cast<double>(state.iterations());
    state.counters["process CPU s"] = (ProcessSeconds() - start) / rounds;
    state.counters["shapes CPU s"] = shapes / rounds;
    state.counters["shown CPU s"] = shown / rounds;
    state.counters["shown s, longest"] = shownLongest;
}

// One frame is one small turn of the view and its drawing.
void BM_TurnView(benchmark::State& state) {
    PartView view;
    view.resize(800, 600);
    view.show();
    if (!view.Unavailable().isEmpty()) {
        state.SkipWithError(view.Unavailable().toStdString().c_str());
        return;
    }
    view.Show(CheckRing(true));
    QApplication::processEvents();
    const auto start = std::chrono::steady_clock::now();
    const double startCpu = ProcessSeconds();
    for (auto _ : state) {
        view.Turn(4);
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    const auto frames = static_cast<double>(state.iterations());
    state.counters["frames/s"] = frames / took.count();
    state.counters["frames/CPU s"] = frames / (ProcessSeconds() - startCpu);
}

BENCHMARK(BM_CheckWithoutView)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_CheckAndColour)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_TurnView)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

}  // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> status = RunUnderVirtualDisplay(argc, argv)) {
        return *status;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"check coloured in the view / check", "BM_CheckAndColour",
                                     "BM_CheckWithoutView", "", 1.2},
                                    {"the same, process processor time", "BM_CheckAndColour",
                                     "BM_CheckWithoutView", "process CPU s", 1.2}});
}
