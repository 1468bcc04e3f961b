// Converting a rule document as `veritor-rules units` does, against pugixml reading and writing
// the same bytes the same way.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "bench/BenchFolder.h"
#include "bench/DocumentRoundTrips.h"
#include "bench/InstructionCounter.h"
#include "bench/RatioReporter.h"
#include "bench/RuleDocumentFiles.h"

namespace {

constexpr int kRuleCounts[] = {1000, 10000, 100000};

// Each side works on a file of its own, which is given the document's bytes again before every
// run: a conversion changes the file.
void Restore(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// A side that does not do its work would be timed doing something else: each is run once on
// every document before it is timed.
using Conversion = bool (*)(const std::filesystem::path&);

bool ModuleConverts(const std::filesystem::path& file) {
    return ModuleUnits(file) == 0;
}

bool Works(Conversion convert, const std::filesystem::path& file, const std::string& bytes) {
    static std::map<std::pair<Conversion, std::string>, bool> checked;
    const auto key = std::make_pair(convert, file.string());
    auto found = checked.find(key);
    if (found == checked.end()) {
        Restore(file, bytes);
        const bool converted = convert(file);
        std::ifstream saved(file, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(saved), {}};
        found = checked.emplace(key, converted && !text.empty() && text != bytes).first;
    }
    return found->second;
}

void Convert(benchmark::State& state, Conversion convert, const char* side) {
    static const BenchFolder folder;
    const int ruleCount = static_cast<int>(state.range(0));
    const RuleDocumentFile& document = RuleDocumentOf(ruleCount);
    const auto file = folder.Path() / (side + std::to_string(ruleCount) + ".xml");
    if (!Works(convert, file, document.bytes)) {
        state.SkipWithError("the conversion does not save the document it read");
        return;
    }
    const std::unique_ptr<InstructionCounter> counter = InstructionCounter::Open();
    std::uint64_t instructions = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Restore(file, document.bytes);
        state.ResumeTiming();
        if (counter) {
            counter->Start();
        }
        benchmark::DoNotOptimize(convert(file));
        if (counter) {
            instructions += counter->Stop();
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(document.bytes.size()));
    state.counters["per_rule"] = benchmark::Counter(
        ruleCount, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    if (counter) {
        state.counters["instructions"] = benchmark::Counter(static_cast<double>(instructions),
                                                            benchmark::Counter::kAvgIterations);
    }
}

void BM_ModuleUnits(benchmark::State& state) {
    Convert(state, &ModuleConverts, "module-");
}

void BM_PugixmlUnits(benchmark::State& state) {
    Convert(state, &PugixmlUnits, "pugixml-");
}

void RuleCounts(benchmark::internal::Benchmark* benchmark) {
    for (const int count : kRuleCounts) {
        benchmark->Arg(count);
    }
    benchmark->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_ModuleUnits)->Apply(RuleCounts);
BENCHMARK(BM_PugixmlUnits)->Apply(RuleCounts);

std::vector<Ratio> Ratios() {
    std::vector<Ratio> ratios;
    for (const int count : kRuleCounts) {
        const std::string size = std::to_string(count);
        const double target = count == 10000 ? 5.0 : 0.0;
        ratios.push_back({"units, module / pugixml, " + size + " rules", "BM_ModuleUnits/" + size,
                          "BM_PugixmlUnits/" + size, "", target});
        ratios.push_back({"units, module / pugixml, " + size + " rules, instructions",
                          "BM_ModuleUnits/" + size, "BM_PugixmlUnits/" + size, "instructions",
                          target});
    }
    // pugixml's own growth shows how much of the module's comes from the machine's caches.
    const std::string smallest = std::to_string(kRuleCounts[0]);
    for (const auto& [name, path, target] : {std::tuple{"module", "BM_ModuleUnits/", 1.1},
                                             std::tuple{"pugixml", "BM_PugixmlUnits/", 0.0}}) {
        for (const int count : {kRuleCounts[1], kRuleCounts[2]}) {
            const std::string size = std::to_string(count);
            ratios.push_back(
                {std::string(name) + " cost per rule, " + size + " / " + smallest + " rules",
                 path + size, path + smallest, "per_rule", target});
        }
    }
    return ratios;
}

}  // namespace

int main(int argc, char** argv) {
    if (!InstructionCounter::Open()) {
        std::cout << "(no instruction counters here: scripts/bench counts them with callgrind)\n";
    }
    return RunBenchmarksWithRatios(argc, argv, Ratios());
}
