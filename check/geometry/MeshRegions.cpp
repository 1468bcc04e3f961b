#include "check/geometry/MeshRegions.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace check {
namespace {

constexpr std::uint32_t kUnassigned = ~std::uint32_t{0};
// Flat patches allow for round-off only: a fine mesh's facets turn by a degree or less.
const double kPatchCosine = std::cos(0.1 * std::numbers::pi / 180);
// Steeper bends are edges of the part, whatever surrounds them.
const double kCreaseAngle = 30 * std::numbers::pi / 180;
// A bend joins its patches when the curvature it implies is at least this share of the
// sharpest curvature either patch has with its other neighbours.
constexpr double kCurvatureShare = 0.4;
// Two patches' middles lie at least this share of their distance apart in the direction their
// normals turn, so that a bend seen nearly end-on does not read as a sharp one.
constexpr double kLeastDistanceShare = 0.25;

struct Patches {
    std::vector<std::uint32_t> of;  // per triangle
    std::vector<Vec3> normal;       // area-weighted, unit
    std::vector<Vec3> middle;       // the centre of the area
    std::vector<double> area;
};

Patches GrowPatches(const MeshRegions::Mesh& mesh) {
    Patches patches;
    patches.of.assign(mesh.normals.size(), kUnassigned);
    std::vector<std::uint32_t> pending;
    for (std::uint32_t seed = 0; seed < mesh.normals.size(); ++seed) {
        if (patches.of[seed] != kUnassigned) {
            continue;
        }
        const auto patch = static_cast<std::uint32_t>(patches.normal.size());
        const Vec3& seedNormal = mesh.normals[seed];
        Vec3 sum;
        Vec3 moment;
        double area = 0;
        patches.of[seed] = patch;
        pending.push_back(seed);
        while (!pending.empty()) {
            const std::uint32_t t = pending.back();
            pending.pop_back();
            const auto& c = mesh.corners[t];
            const Vec3 doubled = (mesh.points[c[1]] - mesh.points[c[0]])
                                     .Cross(mesh.points[c[2]] - mesh.points[c[0]]);
            const double triangleArea = doubled.Length() / 2;
            sum = sum + doubled * 0.5;
            moment = moment + (mesh.points[c[0]] + mesh.points[c[1]] + mesh.points[c[2]]) *
                                  (triangleArea / 3);
            area += triangleArea;
            for (int k = 0; k < 3; ++k) {
                const std::uint32_t n = mesh.adjacency.Across(t, k);
                if (n != TriangleAdjacency::kNone && patches.of[n] == kUnassigned &&
                    mesh.normals[n].Dot(seedNormal) > kPatchCosine) {
                    patches.of[n] = patch;
                    pending.push_back(n);
                }
            }
        }
        patches.normal.push_back(sum.Normalized());
        patches.area.push_back(area);
        patches.middle.push_back(area > 0 ? moment * (1 / area)
                                          : mesh.points[mesh.corners[seed][0]]);
    }
    return patches;
}

// Each pair of neighbouring patches once, the lower number first.
std::vector<std::pair<std::uint32_t, std::uint32_t>> Neighbours(const MeshRegions::Mesh& mesh,
                                                                const Patches& patches) {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> pairs;
    for (std::uint32_t t = 0; t < mesh.corners.size(); ++t) {
        for (int k = 0; k < 3; ++k) {
            const std::uint32_t n = mesh.adjacency.Across(t, k);
            if (n != TriangleAdjacency::kNone && patches.of[n] != patches.of[t]) {
                pairs.emplace_back(std::min(patches.of[t], patches.of[n]),
                                   std::max(patches.of[t], patches.of[n]));
            }
        }
    }
    std::ranges::sort(pairs);
    const auto [first, last] = std::ranges::unique(pairs);
    pairs.erase(first, last);
    return pairs;
}

struct Bend {
    std::uint32_t a = 0;
    std::uint32_t b = 0;
    double curvature = 0;
};

// Bends below the crease angle, each with the curvature it implies: its angle over how far apart
// the patches' middles lie in the direction their normals turn. Along a cylinder's axis the
// normals do not turn, so that distance leaves out how far apart the middles lie along it.
std::vector<Bend> Bends(const MeshRegions::Mesh& mesh, const Patches& patches) {
    std::vector<Bend> bends;
    for (const auto& [a, b] : Neighbours(mesh, patches)) {
        const double angle =
            std::acos(std::clamp(patches.normal[a].Dot(patches.normal[b]), -1.0, 1.0));
        if (angle >= kCreaseAngle) {
            continue;
        }
        const Vec3 apart = patches.middle[b] - patches.middle[a];
        const Vec3 turn = (patches.normal[b] - patches.normal[a]).Normalized();
        const double distance =
            std::max(std::abs(apart.Dot(turn)), kLeastDistanceShare * apart.Length());
        bends.push_back({a, b, distance > 0 ? angle / distance : 0});
    }
    return bends;
}

std::uint32_t Root(std::vector<std::uint32_t>& parent, std::uint32_t p) {
    while (parent[p] != p) {
        parent[p] = parent[parent[p]];
        p = parent[p];
    }
    return p;
}

}  // namespace

std::vector<std::uint32_t> MeshRegions::Group(const Mesh& mesh) {
    const Patches patches = GrowPatches(mesh);
    const std::vector<Bend> bends = Bends(mesh, patches);
    std::vector<double> sharpest(patches.normal.size(), 0);
    std::vector<int> bendCount(patches.normal.size(), 0);
    for (const Bend& bend : bends) {
        for (const std::uint32_t p : {bend.a, bend.b}) {
            sharpest[p] = std::max(sharpest[p], bend.curvature);
            ++bendCount[p];
        }
    }
    std::vector<std::uint32_t> parent(patches.normal.size());
    std::iota(parent.begin(), parent.end(), 0u);
    for (const Bend& bend : bends) {
        // A lone bend between two patches is an edge between two faces: a curved surface bends
        // on both sides of at least one of its facets.
        const bool inSequence = std::max(bendCount[bend.a], bendCount[bend.b]) >= 2;
        // A flat wall meeting a curved face tangentially: the side curving much less is also
        // the larger (a facet of a curved face is narrow, a wall is not).
        const auto [flatter, rounder] = sharpest[bend.a] < sharpest[bend.b]
                                            ? std::pair(bend.a, bend.b)
                                            : std::pair(bend.b, bend.a);
        const bool jump = sharpest[flatter] < kCurvatureShare * sharpest[rounder] &&
                          patches.area[flatter] > patches.area[rounder];
        if (inSequence && !jump) {
            parent[Root(parent, bend.a)] = Root(parent, bend.b);
        }
    }
    std::vector<std::uint32_t> number(patches.normal.size(), kUnassigned);
    std::vector<std::uint32_t> region(mesh.normals.size());
    std::uint32_t next = 0;
    for (std::size_t t = 0; t < region.size(); ++t) {
        const std::uint32_t root = Root(parent, patches.of[t]);
        if (number[root] == kUnassigned) {
            number[root] = next++;
        }
        region[t] = number[root];
    }
    return region;
}

}  // namespace check
