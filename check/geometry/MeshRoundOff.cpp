#include "check/geometry/MeshRoundOff.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace check {
namespace {

// A float's unit in the last place against its value, times the factors a measurement adds:
// two corners of a triangle, three coordinates each, and degrees from radians.
constexpr double kFloatEpsilon = 1.0 / (1 << 23);
constexpr double kAmplification = 2 * 3 * 57.3;
// Beyond this the doubt would hide real findings; a region's fitted surface averages its facets'
// errors well below it.
constexpr double kLargest = 1e-3;

}  // namespace

double RelativeRoundOff(const Part& part) {
    if (part.hasSurfaces || part.triangles.empty()) {
        return 0;
    }
    double farthest = 0;
    for (const Vec3& p : part.vertices) {
        farthest = std::max({farthest, std::abs(p.x), std::abs(p.y), std::abs(p.z)});
    }
    std::vector<double> edges;
    edges.reserve(3 * part.triangles.size());
    for (const PartTriangle& triangle : part.triangles) {
        for (int k = 0; k < 3; ++k) {
            edges.push_back((part.vertices[triangle.vertex[static_cast<std::size_t>(k)]] -
                             part.vertices[triangle.vertex[static_cast<std::size_t>((k + 1) % 3)]])
                                .Length());
        }
    }
    const auto middle = edges.begin() + static_cast<std::ptrdiff_t>(edges.size() / 2);
    std::ranges::nth_element(edges, middle);
    if (!(*middle > 0)) {
        return kLargest;
    }
    return std::min(kLargest, kFloatEpsilon * kAmplification * farthest / *middle);
}

}  // namespace check
