#include "bench/RippledRing.h"

#include <Poly_Triangulation.hxx>
#include <RWStl.hxx>

#include <cmath>
#include <numbers>

#include "testing/TemporaryFolder.h"

namespace {

constexpr int kAround = kRippledRingAround;
constexpr int kAcross = kRippledRingAcross;

gp_Pnt RippledRing(int i, int j) {
    const double u = 2 * std::numbers::pi * i / kAround;
    const double v = 2 * std::numbers::pi * j / kAcross;
    const double tube = 20 + 2 * std::sin(8 * u) * std::sin(6 * v);
    const double ring = 60 + tube * std::cos(v);
    return {ring * std::cos(u), ring * std::sin(u), tube * std::sin(v)};
}

}  // namespace

const std::filesystem::path& RippledRingStl() {
    static const TemporaryFolder folder("veritor-bench");
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
