// The heap a rule document takes once loaded and written back, as units leaves it before saving:
// the module's document with every rule loaded in turn and its element written anew, with what
// the host keeps to preserve what it does not understand (the content of the old elements that
// the rules do not write), against pugixml's DOM of the same file. Units lets each rule go once
// it is written back and keeps no copy of the text read, which a full save does not need.
#include <benchmark/benchmark.h>

#include <pugixml.hpp>

#include <memory>
#include <vector>

#include "bench/AllocationCounter.h"
#include "bench/RatioReporter.h"
#include "bench/RuleDocumentFiles.h"
#include "document/RuleDocument.h"

namespace {

constexpr int kRuleCount = 10000;

struct Usage {
    std::ptrdiff_t held = 0;
    std::size_t peak = 0;
};

void SetCounters(benchmark::State& state, const Usage& usage, int ruleCount) {
    state.counters["held_per_rule"] = static_cast<double>(usage.held) / ruleCount;
    state.counters["peak_per_rule"] = static_cast<double>(usage.peak) / ruleCount;
}

void BM_ModuleMemory(benchmark::State& state) {
    const int ruleCount = static_cast<int>(state.range(0));
    const RuleDocumentFile& file = RuleDocumentOf(ruleCount);
    Usage usage;
    for (auto _ : state) {
        const allocation::Watch watch;
        const std::unique_ptr<RuleDocument> document =
            RuleDocument::Load(file.path, SourceText::dropped);
        document->ForEachRule([&](LoadedRule& loaded) {
            if (loaded.rule) {
                document->ReplaceRuleElement(loaded);
            }
        });
        usage = {watch.Held(), watch.Peak()};
    }
    SetCounters(state, usage, ruleCount);
}

void BM_PugixmlMemory(benchmark::State& state) {
    const int ruleCount = static_cast<int>(state.range(0));
    const RuleDocumentFile& file = RuleDocumentOf(ruleCount);
    Usage usage;
    for (auto _ : state) {
        const allocation::Watch watch;
        pugi::xml_document document;
        document.load_file(file.path.c_str());
        usage = {watch.Held(), watch.Peak()};
    }
    SetCounters(state, usage, ruleCount);
}

// One load tells the heap; timing it again would add nothing.
BENCHMARK(BM_ModuleMemory)->Arg(kRuleCount)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PugixmlMemory)->Arg(kRuleCount)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    allocation::CountPugixml();
    const std::string size = std::to_string(kRuleCount);
    return RunBenchmarksWithRatios(
        argc, argv,
        {{"heap held per rule, module / pugixml, " + size + " rules", "BM_ModuleMemory/" + size,
          "BM_PugixmlMemory/" + size, "held_per_rule", 1.5},
         {"peak heap per rule, module / pugixml, " + size + " rules", "BM_ModuleMemory/" + size,
          "BM_PugixmlMemory/" + size, "peak_per_rule"}});
}
