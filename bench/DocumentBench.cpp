// Converting a rule document as `veritor-rules units` does, against pugixml reading and writing
// the same bytes the same way: once in a process of its own, as a person runs the command, and
// again and again in this process.
#include <benchmark/benchmark.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "bench/DocumentRoundTrips.h"
#include "bench/InstructionCounter.h"
#include "bench/RatioReporter.h"
#include "bench/RuleDocumentFiles.h"
#include "document/StagedFiles.h"
#include "testing/TemporaryFolder.h"

namespace {

constexpr int kRuleCounts[] = {1000, 10000, 100000};

// The ratios to pugixml have an aim at this many rules.
double RatioAim(int ruleCount) {
    return ruleCount == 10000 ? 5.0 : 0.0;
}

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
    static const TemporaryFolder folder("veritor-bench");
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

void BM_ModuleUnitsWarm(benchmark::State& state) {
    Convert(state, &ModuleConverts, "module-");
}

void BM_PugixmlUnitsWarm(benchmark::State& state) {
    Convert(state, &PugixmlUnits, "pugixml-");
}

// The processor time of one conversion by veritor_bench_conversion, which lies beside this
// program; nothing when it fails.
std::optional<double> SecondsInOwnProcess(const char* side, const std::filesystem::path& file) {
    const std::filesystem::path program = BesideThisProgram("veritor_bench_conversion");
    const std::string command =
        "'" + program.string() + "' " + side + " '" + file.string() + "' 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        return std::nullopt;
    }
    long long nanoseconds = -1;
    const bool read = std::fscanf(pipe, "%lld", &nanoseconds) == 1;
    const int status = ::pclose(pipe);
    if (!read || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || nanoseconds < 0) {
        return std::nullopt;
    }
    return static_cast<double>(nanoseconds) / 1e9;
}

// Each round starts a process that converts the file once and tells its processor time, its
// own start left out. A user's `units` runs so: with a heap that no earlier round has grown
// and caches that hold nothing of it. In one process the heap's history decides how much
// memory a round finds ready, and pugixml's share of the time follows it.
void ConvertInOwnProcess(benchmark::State& state, const char* side) {
    static const TemporaryFolder folder("veritor-bench");
    const int ruleCount = static_cast<int>(state.range(0));
    const RuleDocumentFile& document = RuleDocumentOf(ruleCount);
    const auto file = folder.Path() / (side + std::to_string(ruleCount) + ".xml");
    double perRule = 0;
    for (auto _ : state) {
        Restore(file, document.bytes);
        const std::optional<double> seconds = SecondsInOwnProcess(side, file);
        if (!seconds) {
            state.SkipWithError("the conversion in a process of its own failed");
            return;
        }
        state.SetIterationTime(*seconds);
        perRule += *seconds * 1e6 / ruleCount;
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(document.bytes.size()));
    state.counters["us_per_rule"] = benchmark::Counter(perRule, benchmark::Counter::kAvgIterations);
}

void BM_ModuleUnits(benchmark::State& state) {
    ConvertInOwnProcess(state, "module");
}

void BM_PugixmlUnits(benchmark::State& state) {
    ConvertInOwnProcess(state, "pugixml");
}

// Attributes of another program on one rule: what the module keeps of them through a rewrite
// costs about what reading them costs, never their number squared.
constexpr int kForeignAttributes = 100000;

const std::string& ForeignAttributesDocument() {
    static const std::string bytes = [] {
        std::string text = "<RuleSet Unit=\"0\" AngularUnit=\"0\"><Rule Name=\"Draft Angle\"";
        for (int i = 0; i < kForeignAttributes; ++i) {
            text += " other" + std::to_string(i) + "=\"" + std::to_string(i) + "\"";
        }
        return text +
               "><Parameter Type=\"2120\"><Operator>7</Operator><Value>0.5</Value></Parameter>"
               "<Parameter Type=\"2121\"><Operator>7</Operator><Value>5.0</Value></Parameter>"
               "</Rule></RuleSet>";
    }();
    return bytes;
}

void ForeignAttributes(benchmark::State& state, int (*command)(const std::filesystem::path&)) {
    static const TemporaryFolder folder("veritor-bench");
    const auto file = folder.Path() / "foreign-attributes.xml";
    for (auto _ : state) {
        state.PauseTiming();
        Restore(file, ForeignAttributesDocument());
        state.ResumeTiming();
        if (command(file) != 0) {
            state.SkipWithError("the command failed on the document");
            return;
        }
    }
}

void BM_ModuleShowForeignAttributes(benchmark::State& state) {
    ForeignAttributes(state, &ModuleShow);
}

void BM_ModuleUnitsForeignAttributes(benchmark::State& state) {
    ForeignAttributes(state, &ModuleUnits);
}

void RuleCounts(benchmark::internal::Benchmark* benchmark) {
    for (const int count : kRuleCounts) {
        benchmark->Arg(count);
    }
    benchmark->Unit(benchmark::kMillisecond);
}

void RuleCountsInOwnProcess(benchmark::internal::Benchmark* benchmark) {
    RuleCounts(benchmark);
    benchmark->UseManualTime();
}

BENCHMARK(BM_ModuleUnits)->Apply(RuleCountsInOwnProcess);
BENCHMARK(BM_PugixmlUnits)->Apply(RuleCountsInOwnProcess);
BENCHMARK(BM_ModuleUnitsWarm)->Apply(RuleCounts);
BENCHMARK(BM_PugixmlUnitsWarm)->Apply(RuleCounts);
BENCHMARK(BM_ModuleShowForeignAttributes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ModuleUnitsForeignAttributes)->Unit(benchmark::kMillisecond);

std::vector<Ratio> Ratios() {
    std::vector<Ratio> ratios;
    for (const int count : kRuleCounts) {
        const std::string size = std::to_string(count);
        ratios.push_back({"units, module / pugixml, " + size + " rules", "BM_ModuleUnits/" + size,
                          "BM_PugixmlUnits/" + size, "us_per_rule", RatioAim(count)});
    }
    const std::string smallest = std::to_string(kRuleCounts[0]);
    for (const int count : {kRuleCounts[1], kRuleCounts[2]}) {
        const std::string size = std::to_string(count);
        ratios.push_back({"module time per rule, " + size + " / " + smallest + " rules",
                          "BM_ModuleUnits/" + size, "BM_ModuleUnits/" + smallest, "us_per_rule",
                          1.1});
    }
    for (const int count : kRuleCounts) {
        const std::string size = std::to_string(count);
        ratios.push_back({"warm, module / pugixml, " + size + " rules",
                          "BM_ModuleUnitsWarm/" + size, "BM_PugixmlUnitsWarm/" + size, "", 0});
        ratios.push_back({"warm, module / pugixml, " + size + " rules, instructions",
                          "BM_ModuleUnitsWarm/" + size, "BM_PugixmlUnitsWarm/" + size,
                          "instructions", RatioAim(count)});
    }
    ratios.push_back({"units / show, 100,000 foreign attributes on one rule",
                      "BM_ModuleUnitsForeignAttributes", "BM_ModuleShowForeignAttributes", "",
                      2.0});
    // pugixml's own growth shows how much of the module's comes from the machine's caches.
    for (const auto& [name, path] : {std::pair{"module", "BM_ModuleUnitsWarm/"},
                                     std::pair{"pugixml", "BM_PugixmlUnitsWarm/"}}) {
        for (const int count : {kRuleCounts[1], kRuleCounts[2]}) {
            const std::string size = std::to_string(count);
            ratios.push_back({std::string("warm, ") + name + " cost per rule, " + size + " / " +
                                  smallest + " rules",
                              path + size, path + smallest, "per_rule", 0});
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
