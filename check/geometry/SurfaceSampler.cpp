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

}  // namespace

std::vector<SurfaceSample> SurfaceSampler::Sample(const Part& part) const {
    double total = 0;
    for (const PartTriangle& triangle : part.triangles) {
        total += TriangleArea(part, triangle);
    }
    const double perSample = total / static_cast<double>(std::max<std::size_t>(m_target, 1));
    std::vector<SurfaceSample> samples;
    samples.reserve(part.triangles.size());
    for (std::uint32_t t = 0; t < part.triangles.size(); ++t) {
        const double area = TriangleArea(part, part.triangles[t]);
        const int k = perSample > 0
                          ? std::clamp(static_cast<int>(std::ceil(std::sqrt(area / perSample))), 1,
                                       kMaxPerSide)
                          : 1;
        const double piece = area / (k * k);
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
