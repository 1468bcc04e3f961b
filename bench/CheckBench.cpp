// A part of about 200,000 triangles checked for every rule of a document, against the time the
// ray tracer alone takes to trace the rays the wall-thickness check casts on it.
#include <benchmark/benchmark.h>
#include <Poly_Triangulation.hxx>
#include <RWStl.hxx>

#include <cmath>
#include <numbers>
#include <optional>

#include "bench/BenchFolder.h"
#include "bench/RatioReporter.h"
#include "bench/RuleDocumentFiles.h"
#include "check/PartChecker.h"
#include "check/geometry/PartReader.h"
#include "check/geometry/RayScene.h"
#include "check/geometry/SurfaceSampler.h"
#include "check/geometry/WallThickness.h"

namespace {

constexpr int kAround = 500;  // grid lines around the ring
constexpr int kAcross = 200;  // and around its tube: 2 x 500 x 200 triangles

// A ring with a rippled surface: undercuts, walls of changing thickness, faces of every size.
gp_Pnt RippledRing(int i, int j) {
    const double u = 2 * std::numbers::pi * i / kAround;
    const double v = 2 * std::numbers::pi * j / kAcross;
    const double tube = 20 + 2 * std::sin(8 * u) * std::sin(6 * v);
    const double ring = 60 + tube * std::cos(v);
    return {ring * std::cos(u), ring * std::sin(u), tube * std::sin(v)};
}

// The ring written as a binary STL, once.
const std::filesystem::path& Part() {
    static const BenchFolder folder;
    static const std::filesystem::path path = [] {
        Handle(Poly_Triangulation) mesh =
            new Poly_Triangulation(kAround * kAcross, 2 * kAround * kAcross, false);
        const auto node = [](int i, int j) { return (i % kAround) * kAcross + (j % kAcross) + 1; };
        for (int i = 0; i < kAround; ++i) {
            for (int j = 0; j < kAcross; ++j) {
                mesh->SetNode(node(i, j), RippledRing(i, j));
                const int t = 2 * (i * kAcross + j) + 1;
                mesh->SetTriangle(t, Poly_Triangle(node(i, j), node(i + 1, j), node(i + 1, j + 1)));
                mesh->SetTriangle(t + 1,
                                  Poly_Triangle(node(i, j), node(i + 1, j + 1), node(i, j + 1)));
            }
        }
        const std::filesystem::path written = folder.Path() / "ring.stl";
        RWStl::WriteBinary(mesh, OSD_Path(written.c_str()));
        return written;
    }();
    return path;
}

void BM_CheckAllRules(benchmark::State& state) {
    const std::filesystem::path& rules = RuleDocumentOf(13).path;
    for (auto _ : state) {
        const check::CheckReport report = check::PartChecker({}).Check(Part(), rules);
        benchmark::DoNotOptimize(report.rules.data());
    }
}

void BM_ThicknessRays(benchmark::State& state) {
    const check::Part part = check::PartReader(1.0, {}).Read(Part());
    const check::RayScene scene(part);
    const std::vector<check::Ray> rays = check::WallThickness(scene).Rays(
        check::SurfaceSampler(check::CheckOptions{}.samples).Sample(part));
    for (auto _ : state) {
        for (const check::Ray& ray : rays) {
            benchmark::DoNotOptimize(scene.First(ray.origin, ray.direction));
        }
    }
    state.counters["rays"] = static_cast<double>(rays.size());
    state.counters["triangles"] = static_cast<double>(part.triangles.size());
}

}  // namespace

BENCHMARK(BM_CheckAllRules)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThicknessRays)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"check, all rules / tracing the thickness rays alone",
                                     "BM_CheckAllRules", "BM_ThicknessRays", "", 10.0}});
}
