#include "bench/RatioReporter.h"

#include <fmt/format.h>

#include <unistd.h>

#include <ostream>

namespace {

// The function and its arguments, without the settings (iterations, repetitions, real time)
// that the full name also carries.
std::string ShortName(const benchmark::BenchmarkReporter::Run& run) {
    const benchmark::BenchmarkName& name = run.run_name;
    return name.args.empty() ? name.function_name : name.function_name + "/" + name.args;
}

}  // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) {
            continue;
        }
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type != Run::RT_Iteration && !median) {
            continue;
        }
        const auto [stored, added] = m_runs.try_emplace(ShortName(run), run);
        if (!added && (median || stored->second.run_type == Run::RT_Iteration)) {
            stored->second = run;
        }
    }
}

std::optional<double> RatioReporter::Figure(const std::string& name,
                                            const std::string& counter) const {
    const auto found = m_runs.find(name);
    if (found == m_runs.end()) {
        return std::nullopt;
    }
    const Run& run = found->second;
    if (counter.empty()) {
        // A benchmark timed by the clock on the wall (work in other processes or threads) is
        // compared by that time, the others by their processor time.
        const bool wall = !run.run_name.time_type.empty();
        return (wall ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime()) /
               benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
    const auto value = run.counters.find(counter);
    return value == run.counters.end() ? std::nullopt : std::optional(value->second.value);
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::ostream& out = GetOutputStream();
    bool first = true;
    for (const Ratio& ratio : m_ratios) {
        const std::optional<double> numerator = Figure(ratio.numerator, ratio.counter);
        const std::optional<double> denominator =
            Figure(ratio.denominator,
                   ratio.denominatorCounter.empty() ? ratio.counter : ratio.denominatorCounter);
        if (!numerator || !denominator || *denominator == 0) {
            continue;
        }
        out << (first ? "\nRatios\n" : "");
        first = false;
        const double value = *numerator / *denominator;
        out << fmt::format("  {:<58} {:>7.2f}", ratio.label, value);
        if (ratio.target > 0) {
            out << fmt::format("   target at most {:g}: {}", ratio.target,
                               value <= ratio.target ? "met" : "NOT met");
        }
        out << "\n";
    }
}

int RunBenchmarksWithRatios(int argc, char** argv, std::vector<Ratio> ratios) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter(std::move(ratios), isatty(STDOUT_FILENO) != 0);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
