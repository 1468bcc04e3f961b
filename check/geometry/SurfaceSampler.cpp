#include "check/geometry/SurfaceSampler.h"

#include <algorithm>
#include <cmath>

namespace check {
namespace {

double TriangleArea(const Part& part, const PartTriangle& triangle) {
    const Vec3& a = part.vertices[triangle.vertex[0]];
    return (part.vertices[triangle.vertex[1]] - a)
               .Cross(part.vertices[triangle.vertex[2]] - a)
               .Length() /
           2;
}

// The point at barycentric weights (u, v) for the second and third corner.
SurfaceSample At(const Part& part, std::uint32_t index, double u, double v, double area) {
    const PartTriangle& triangle = part.triangles[index];
    const double w = 1 - u - v;
    const auto blend = [&](const std::vector<Vec3>& values) {
        return values[triangle.vertex[0]] * w + values[triangle.vertex[1]] * u +
               values[triangle.vertex[2]] * v;
    };
    Vec3 normal = blend(part.vertexNormals).Normalized();
    if (normal.Length() == 0) {
        const Vec3& a = part.vertices[triangle.vertex[0]];
        normal = (part.vertices[triangle.vertex[1]] - a)
                     .Cross(part.vertices[triangle.vertex[2]] - a)
                     .Normalized();
    }
    return {blend(part.vertices), normal, index, area};
}

// How one triangle is sampled: split into k x k, each sample standing for this much area; k is
// 0 for a triangle left without a sample.
struct Split {
    int k = 0;
    double piece = 0;
};

// Fewer triangles than samples: each triangle split in k x k, k the side its share of the area
// asks for, rounded up; where that makes more than target, the share grows until it does not.
std::vector<Split> SplitEvery(const std::vector<double>& areas, double total, std::size_t target) {
    std::vector<Split> splits(areas.size());
    constexpr double kLeastGrowth = 1.05;
    for (double perSample = total / static_cast<double>(target);;) {
        std::size_t count = 0;
        for (std::size_t t = 0; t < areas.size(); ++t) {
            const int k =
                perSample > 0
                    ? std::clamp(static_cast<int>(std::ceil(std::sqrt(areas[t] / perSample))), 1,
                                 SurfaceSampler::kMaxPerSide)
                    : 1;
            splits[t] = {k, areas[t] / (k * k)};
            count += static_cast<std::size_t>(k * k);
        }
        if (count <= target || count == areas.size()) {
            return splits;
        }
        perSample *=
            std::max(kLeastGrowth, static_cast<double>(count) / static_cast<double>(target));
    }
}

// Samples spaced evenly by area over a group of triangles: a triangle holding m of the marks
// takes k x k samples, k² at most m, standing together for the area between those marks.
void SpreadOver(const std::vector<std::uint32_t>& group, const std::vector<double>& areas,
                std::size_t samples, std::vector<Split>& splits) {
    double groupArea = 0;
    for (const std::uint32_t t : group) {
        groupArea += areas[t];
    }
    if (group.size() <= samples || !(groupArea > 0)) {
        for (const std::uint32_t t : group) {
            splits[t] = {1, areas[t]};
        }
        return;
    }
    const double spacing = groupArea / static_cast<double>(samples);
    double before = 0;
    for (const std::uint32_t t : group) {
        const double after = before + areas[t];
        // Marks at spacing / 2, 3 spacing / 2, ...
        const auto marks = static_cast<std::size_t>(std::floor(after / spacing + 0.5)) -
                           static_cast<std::size_t>(std::floor(before / spacing + 0.5));
        if (marks > 0) {
            const int k = std::clamp(static_cast<int>(std::sqrt(static_cast<double>(marks))), 1,
                                     SurfaceSampler::kMaxPerSide);
            splits[t] = {k, spacing * static_cast<double>(marks) / (k * k)};
        }
        before = after;
    }
}

// More triangles than samples: one sample on each face at least while there are fewer faces
// than samples, the rest shared by area; then spread evenly over each face.
std::vector<Split> SpreadByFace(const Part& part, const std::vector<double>& areas, double total,
                                std::size_t target) {
    std::vector<Split> splits(areas.size());
    const bool byFace = part.faces.size() <= target;
    std::vector<std::vector<std::uint32_t>> groups(byFace ? part.faces.size() : 1);
    for (std::uint32_t t = 0; t < part.triangles.size(); ++t) {
        groups[byFace ? part.triangles[t].face : 0].push_back(t);
    }
    const double spare = static_cast<double>(target - (byFace ? part.faces.size() : 0));
    for (const std::vector<std::uint32_t>& group : groups) {
        double groupArea = 0;
        for (const std::uint32_t t : group) {
            groupArea += areas[t];
        }
        const auto samples =
            byFace ? 1 + static_cast<std::size_t>(std::floor(spare * groupArea / total)) : target;
        SpreadOver(group, areas, samples, splits);
    }
    return splits;
}

}  // namespace

std::vector<SurfaceSample> SurfaceSampler::Sample(const Part& part) const {
    std::vector<double> areas;
    areas.reserve(part.triangles.size());
    double total = 0;
    for (const PartTriangle& triangle : part.triangles) {
        areas.push_back(TriangleArea(part, triangle));
        total += areas.back();
    }
    const std::size_t target = std::max<std::size_t>(m_target, 1);
    const std::vector<Split> splits = areas.size() <= target
                                          ? SplitEvery(areas, total, target)
                                          : SpreadByFace(part, areas, total, target);
    std::vector<SurfaceSample> samples;
    samples.reserve(std::min(target, areas.size() * kMaxPerSide * kMaxPerSide));
    for (std::uint32_t t = 0; t < part.triangles.size(); ++t) {
        const int k = splits[t].k;
        const double piece = splits[t].piece;
        // The centroids of the k x k triangles the triangle splits into.
        for (int i = 0; i < k; ++i) {
            for (int j = 0; i + j < k; ++j) {
                samples.push_back(At(part, t, (i + 1.0 / 3) / k, (j + 1.0 / 3) / k, piece));
                if (i + j < k - 1) {
                    samples.push_back(At(part, t, (i + 2.0 / 3) / k, (j + 2.0 / 3) / k, piece));
                }
            }
        }
    }
    return samples;
}

}  // namespace check
