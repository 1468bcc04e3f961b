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

// Fewer triangles than samples: each triangle split in k x k with k² at most its share of the
// samples left once every triangle has one, so that there are never more than target.
std::vector<Split> SplitEvery(const std::vector<double>& areas, double total, std::size_t target) {
    const std::size_t spare = target - areas.size();
    const double perSample = spare > 0 ? total / static_cast<double>(spare) : 0;
    std::vector<Split> splits;
    splits.reserve(areas.size());
    for (const double area : areas) {
        const int k = perSample > 0 ? std::clamp(static_cast<int>(std::sqrt(area / perSample)), 1,
                                                 SurfaceSampler::kMaxPerSide)
                                    : 1;
        splits.push_back({k, area / (k * k)});
    }
    return splits;
}

// Samples spaced evenly by area over a group of triangles: the triangle that holds the next
// mark takes one sample, standing for the area between marks it holds.
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
            splits[t] = {1, spacing * static_cast<double>(marks)};
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
