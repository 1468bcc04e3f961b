#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

// One figure of a benchmark over the same figure of another, e.g. the module's time over
// pugixml's on the same document.
struct Ratio {
    std::string label;
    std::string numerator;    // benchmark and arguments, e.g. "BM_ModuleLoadSave/10000"
    std::string denominator;  // likewise
    // A user counter; empty for the time per iteration: the CPU time, which other work on the
    // machine disturbs less, unless the benchmark is timed by the wall clock (UseRealTime).
    std::string counter;
    double target = 0;  // the most the ratio should be; 0 for none
    // The denominator's counter when it differs from the numerator's (two figures of one run).
    std::string denominatorCounter = {};
};

// The console table, followed by the ratios of the runs it saw. With repetitions the median
// stands for a benchmark; a ratio whose runs were filtered out or failed is left out.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter(std::vector<Ratio> ratios, bool color)
        : ConsoleReporter(color ? OO_ColorTabular : OO_Tabular), m_ratios(std::move(ratios)) {}

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::optional<double> Figure(const std::string& name, const std::string& counter) const;

    std::vector<Ratio> m_ratios;
    std::map<std::string, Run> m_runs;
};

// The main of a benchmark program: runs the benchmarks the command line selects and prints
// the ratios after them.
int RunBenchmarksWithRatios(int argc, char** argv, std::vector<Ratio> ratios);
