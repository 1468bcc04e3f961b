// Loading and saving a rule document through the module against pugixml on the same bytes.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "bench/DocumentRoundTrips.h"
#include "bench/RatioReporter.h"
#include "bench/RuleDocumentFiles.h"

namespace {

using RoundTrip = std::string (*)(const std::filesystem::path&);

constexpr int kRuleCounts[] = {1000, 10000, 100000};

// What a round trip must give back, checked once per document before it is timed.
using Check = bool (*)(const std::string& saved, const std::string& read);

// The module must give back the bytes it read, or its time would include changing the
// document.
bool SameBytes(const std::string& saved, const std::string& read) {
    return saved == read;
}

// pugixml writes an element whose only content is empty text in the short form, so its text
// is a few bytes shorter; that it read the document is what counts.
bool AnyText(const std::string& saved, const std::string&) {
    return !saved.empty();
}

bool Passes(RoundTrip roundTrip, Check check, const RuleDocumentFile& document) {
    static std::map<std::pair<RoundTrip, const RuleDocumentFile*>, bool> checked;
    const auto key = std::make_pair(roundTrip, &document);
    auto found = checked.find(key);
    if (found == checked.end()) {
        found = checked.emplace(key, check(roundTrip(document.path), document.bytes)).first;
    }
    return found->second;
}

void LoadSave(benchmark::State& state, RoundTrip roundTrip, Check check) {
    const int ruleCount = static_cast<int>(state.range(0));
    const RuleDocumentFile& document = RuleDocumentOf(ruleCount);
    if (!Passes(roundTrip, check, document)) {
        state.SkipWithError("the round trip does not give back the document it read");
        return;
    }
    for (auto _ : state) {
        std::string saved = roundTrip(document.path);
        benchmark::DoNotOptimize(saved);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(document.bytes.size()));
    state.counters["per_rule"] = benchmark::Counter(
        ruleCount, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ModuleLoadSave(benchmark::State& state) {
    LoadSave(state, &ModuleLoadSave, &SameBytes);
}

void BM_PugixmlLoadSave(benchmark::State& state) {
    LoadSave(state, &PugixmlLoadSave, &AnyText);
}

void RuleCounts(benchmark::internal::Benchmark* benchmark) {
    for (const int count : kRuleCounts) {
        benchmark->Arg(count);
    }
    benchmark->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_ModuleLoadSave)->Apply(RuleCounts);
BENCHMARK(BM_PugixmlLoadSave)->Apply(RuleCounts);

std::vector<Ratio> Ratios() {
    std::vector<Ratio> ratios;
    for (const int count : kRuleCounts) {
        const std::string size = std::to_string(count);
        ratios.push_back({"load + save, module / pugixml, " + size + " rules",
                          "BM_ModuleLoadSave/" + size, "BM_PugixmlLoadSave/" + size, "",
                          count == 10000 ? 3.0 : 0.0});
    }
    // pugixml's own growth shows how much of the module's comes from the machine's caches.
    const std::string smallest = std::to_string(kRuleCounts[0]);
    for (const auto& [name, path, target] : {std::tuple{"module", "BM_ModuleLoadSave/", 1.1},
                                             std::tuple{"pugixml", "BM_PugixmlLoadSave/", 0.0}}) {
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
    return RunBenchmarksWithRatios(argc, argv, Ratios());
}
