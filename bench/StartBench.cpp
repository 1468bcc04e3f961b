// Starting the module: loading a copy of it, which starts its application object and loads its
// language libraries, and unloading it again, against loading the language library alone, in
// alternating rounds.
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <stdlib.h>

#include <time.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/RatioReporter.h"
#include "testing/TemporaryFolder.h"

namespace {

const std::filesystem::path kStage = VERITOR_STAGE_DIR;
const std::filesystem::path kResourceLibrary = "Lang/english/TeskIMRulesResu.so";

// A staged tree of the module and its English library in a temporary folder. The module is a
// copy so that no other part of this process holds it: every load really loads it.
class StagedCopy {
public:
    StagedCopy() {
        Copy("bin/TeskCommonRulesu.so");
        Copy(kResourceLibrary);
    }
    std::filesystem::path Module() const { return m_root.Path() / "bin/TeskCommonRulesu.so"; }

private:
    void Copy(const std::filesystem::path& relative) {
        std::filesystem::create_directories((m_root.Path() / relative).parent_path());
        std::filesystem::copy_file(kStage / relative, m_root.Path() / relative);
    }

    TemporaryFolder m_root{"veritor-bench"};
};

bool IsLoaded(const std::filesystem::path& library) {
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle) {
        dlclose(handle);
    }
    return handle != nullptr;
}

// Loads and unloads the library once, untimed: it must load and must leave nothing behind,
// or the timed loads would measure something else.
bool LoadsAndUnloads(benchmark::State& state, const std::filesystem::path& library) {
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        state.SkipWithError(dlerror());
        return false;
    }
    dlclose(handle);
    if (IsLoaded(library)) {
        state.SkipWithError("the library stays loaded after dlclose");
        return false;
    }
    return true;
}

// The CPU time of this thread, system time included: loading is mostly the kernel's work.
double CpuMicroseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

double TimedLoadUnload(const std::filesystem::path& library) {
    const double start = CpuMicroseconds();
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    benchmark::DoNotOptimize(handle);
    dlclose(handle);
    return CpuMicroseconds() - start;
}

double Median(std::vector<double> samples) {
    if (samples.empty()) {
        return 0;
    }
    const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    return *middle;
}

// Every round starts the module once and loads the language library once, in turns, so that
// what else the machine does at a moment weighs on both; the medians of all rounds stand for
// each.
void BM_StartRounds(benchmark::State& state) {
    static const StagedCopy staged;
    const std::filesystem::path library = kStage / kResourceLibrary;
    if (!LoadsAndUnloads(state, staged.Module()) || !LoadsAndUnloads(state, library)) {
        return;
    }
    std::vector<double> module;
    std::vector<double> alone;
    bool moduleFirst = true;
    for (auto _ : state) {
        if (moduleFirst) {
            module.push_back(TimedLoadUnload(staged.Module()));
            alone.push_back(TimedLoadUnload(library));
        } else {
            alone.push_back(TimedLoadUnload(library));
            module.push_back(TimedLoadUnload(staged.Module()));
        }
        moduleFirst = !moduleFirst;
    }
    state.counters["module_us"] = Median(module);
    state.counters["library_us"] = Median(alone);
}

BENCHMARK(BM_StartRounds)->Unit(benchmark::kMicrosecond);

// The host holds its framework, and through it the platform library, for its whole life: a
// module start loads only the module and its language libraries.
void HoldFramework() {
    if (!dlopen((kStage / "bin/veritorframeworku.so").c_str(), RTLD_NOW | RTLD_LOCAL)) {
        throw std::runtime_error(dlerror());
    }
}

// The module reads the language from the locale and the registry at each start; these fix
// both, as the tests do.
void FixLanguage() {
    ::setenv("VERITOR_REGISTRY", "/nonexistent/user.reg", 1);
    ::setenv("LC_ALL", "C", 1);
    ::setenv("LANG", "C", 1);
    ::unsetenv("LC_MESSAGES");
}

}  // namespace

int main(int argc, char** argv) {
    HoldFramework();
    FixLanguage();
    return RunBenchmarksWithRatios(
        argc, argv,
        {{"start, module / English language library alone, medians", "BM_StartRounds",
          "BM_StartRounds", "module_us", 3.0, "library_us"}});
}
