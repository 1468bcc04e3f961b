// A part of 1,000,000 triangles checked for every rule of a document, against the time it takes
// to read the part and trace, on every core, the rays the wall-thickness check casts on it; the
// check's peak memory per triangle, in its own process and in the part reader's; and 100 small
// parts checked by one batch of two jobs, against one process per part.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <Poly_Triangulation.hxx>
#include <RWStl.hxx>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include <fmt/format.h>

#include "bench/RatioReporter.h"
#include "bench/RippledRing.h"
#include "bench/RuleDocumentFiles.h"
#include "check/PartChecker.h"
#include "check/geometry/PartReader.h"
#include "check/geometry/RayScene.h"
#include "check/geometry/SurfaceSampler.h"
#include "check/geometry/WallThickness.h"
#include "testing/TemporaryFolder.h"

namespace {

// The peak resident memory of this process, or of the largest child it waited for, in bytes.
double PeakBytes(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return 1024.0 * static_cast<double>(usage.ru_maxrss);
}

void BM_CheckAllRules(benchmark::State& state) {
    const std::filesystem::path& rules = RuleDocumentOf(13).path;
    const std::filesystem::path& part = RippledRingStl();
    const double before = PeakBytes(RUSAGE_SELF);
    for (auto _ : state) {
        const check::CheckReport report = check::PartChecker({}).Check(part, rules);
        benchmark::DoNotOptimize(report.rules.data());
    }
    state.counters["checker B/triangle"] =
        (PeakBytes(RUSAGE_SELF) - before) / kRippledRingTriangles;
    state.counters["reader B/triangle"] = PeakBytes(RUSAGE_CHILDREN) / kRippledRingTriangles;
}

// What the check cannot do without: the part read and meshed, and the thickness rays traced.
void BM_ReadAndTraceRays(benchmark::State& state) {
    std::size_t rays = 0;
    for (auto _ : state) {
        const check::Part part = check::PartReader(1.0, {}).Read(RippledRingStl());
        const check::RayScene scene(part);
        const std::vector<check::Ray> thickness = check::WallThickness(scene).Rays(
            check::SurfaceSampler(check::CheckOptions{}.samples).Sample(part));
        std::vector<double> distances(thickness.size());
        scene.Tracing().ForEach(thickness.size(),
                                [&](std::size_t i) {
                                    const auto hit =
                                        scene.First(thickness[i].origin, thickness[i].direction);
                                    distances[i] = hit ? hit->distance : 0;
                                },
                                {});
        benchmark::DoNotOptimize(distances.data());
        rays = thickness.size();
    }
    state.counters["rays"] = static_cast<double>(rays);
}

constexpr int kSmallParts = 100;

// 100 boxes of 12 triangles, each of its own size, as binary STLs in a folder of their own.
const std::filesystem::path& SmallParts() {
    static const TemporaryFolder folder("veritor-bench");
    static const std::filesystem::path parts = [] {
        const std::filesystem::path written = folder.Path() / "parts";
        std::filesystem::create_directory(written);
        for (int n = 0; n < kSmallParts; ++n) {
            const double x = 10 + n, y = 20, z = 5 + n % 7;
            Handle(Poly_Triangulation) mesh = new Poly_Triangulation(8, 12, false);
            for (int corner = 0; corner < 8; ++corner) {
                mesh->SetNode(corner + 1,
                              gp_Pnt(corner & 1 ? x : 0, corner & 2 ? y : 0, corner & 4 ? z : 0));
            }
            // Two triangles a side, wound outward.
            const int sides[6][4] = {{1, 3, 7, 5}, {2, 6, 8, 4}, {1, 5, 6, 2},
                                     {3, 4, 8, 7}, {1, 2, 4, 3}, {5, 7, 8, 6}};
            for (int side = 0; side < 6; ++side) {
                const int* c = sides[side];
                mesh->SetTriangle(2 * side + 1, Poly_Triangle(c[0], c[1], c[2]));
                mesh->SetTriangle(2 * side + 2, Poly_Triangle(c[0], c[2], c[3]));
            }
            RWStl::WriteBinary(mesh, OSD_Path((written / fmt::format("box{:03}.stl", n)).c_str()));
        }
        return written;
    }();
    return parts;
}

const std::string& Program() {
    static const std::string program =
        (std::filesystem::path(VERITOR_STAGE_DIR) / "bin/veritor-rules").string();
    return program;
}

// Runs the shell command each round and counts its wall-clock time: the work is in the
// processes it starts, which the benchmark's own processor time does not see.
void TimeCommand(benchmark::State& state, const std::string& command) {
    double milliseconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) == -1) {
            state.SkipWithError("the command could not be run");
            return;
        }
        milliseconds +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
    }
    state.counters["wall ms"] =
        benchmark::Counter(milliseconds, benchmark::Counter::kAvgIterations);
}

void BM_BatchOfSmallParts(benchmark::State& state) {
    TimeCommand(state,
                fmt::format("'{}' check --batch '{}' '{}' --jobs 2 >/dev/null 2>&1", Program(),
                            SmallParts().string(), RuleDocumentOf(13).path.string()));
}

void BM_ProcessPerSmallPart(benchmark::State& state) {
    TimeCommand(state,
                fmt::format("for part in '{}'/*.stl; do '{}' check \"$part\" '{}' "
                            "--format json >/dev/null 2>&1; done",
                            SmallParts().string(), Program(), RuleDocumentOf(13).path.string()));
}

}  // namespace

// The reader is a process of its own and the rays run on every core: wall-clock time for both.
BENCHMARK(BM_CheckAllRules)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadAndTraceRays)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BatchOfSmallParts)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ProcessPerSmallPart)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    return RunBenchmarksWithRatios(
        argc, argv,
        {{"check, all rules / reading the part and tracing its thickness rays", "BM_CheckAllRules",
          "BM_ReadAndTraceRays", "", 2.0},
         {"100 small parts: batch, 2 jobs / a process per part", "BM_BatchOfSmallParts",
          "BM_ProcessPerSmallPart", "wall ms", 1.0}});
}
