#include "check/geometry/SolidPart.h"

#include <algorithm>
#include <limits>

namespace check {
namespace {

// The solid's own features, their faces numbered from its first: a feature lies in one solid,
// so its first face tells which.
template <typename Feature, typename Ours, typename... Faces>
void KeepOwn(const std::vector<Feature>& all, const Ours& ours, std::uint32_t first,
             std::vector<Feature>& kept, std::uint32_t Feature::*named, Faces... others) {
    for (Feature feature : all) {
        if (!ours(feature.*named)) {
            continue;
        }
        feature.*named -= first;
        ((feature.*others -= first), ...);
        kept.push_back(feature);
    }
}

}  // namespace

Part SolidPart(const Part& part, std::size_t solid) {
    const PartSolid& range = part.solids[solid];
    const std::uint32_t first = range.firstFace;
    const std::uint32_t end = first + range.faceCount;
    Part one;
    one.name = part.name;
    one.hasSurfaces = part.hasSurfaces;
    one.faces.assign(part.faces.begin() + first, part.faces.begin() + end);
    one.solids.push_back({0, range.faceCount, range.openEdges});
    constexpr std::uint32_t kUnused = std::numeric_limits<std::uint32_t>::max();
    std::vector<std::uint32_t> renumbered(part.vertices.size(), kUnused);
    for (const PartTriangle& triangle : part.triangles) {
        if (triangle.face < first || triangle.face >= end) {
            continue;
        }
        PartTriangle kept{{}, triangle.face - first};
        for (int k = 0; k < 3; ++k) {
            std::uint32_t& number = renumbered[triangle.vertex[k]];
            if (number == kUnused) {
                number = static_cast<std::uint32_t>(one.vertices.size());
                one.vertices.push_back(part.vertices[triangle.vertex[k]]);
                one.vertexNormals.push_back(part.vertexNormals[triangle.vertex[k]]);
            }
            kept.vertex[k] = number;
        }
        one.triangles.push_back(kept);
    }
    for (const EdgeSpan& span : part.edgeSpans) {
        if (renumbered[span.from] != kUnused && renumbered[span.to] != kUnused) {
            one.edgeSpans.push_back({span.edge, renumbered[span.from], renumbered[span.to]});
        }
    }
    const auto ours = [&](std::uint32_t face) { return face >= first && face < end; };
    for (HoleRim rim : part.holeRims) {
        if (ours(rim.holeFace)) {
            rim.holeFace -= first;
            one.holeRims.push_back(rim);
        }
    }
    KeepOwn(part.holes, ours, first, one.holes, &PartHole::face);
    KeepOwn(part.sharpCorners, ours, first, one.sharpCorners, &SharpCorner::face,
            &SharpCorner::otherFace);
    KeepOwn(part.ribs, ours, first, one.ribs, &PartRib::side, &PartRib::otherSide, &PartRib::base,
            &PartRib::top);
    KeepOwn(part.bosses, ours, first, one.bosses, &PartBoss::face, &PartBoss::base);
    KeepOwn(part.featureFaces, ours, first, one.featureFaces, &FeatureFace::face,
            &FeatureFace::feature);
    return one;
}

std::vector<FaceCentre> FaceCentres(const Part& part) {
    std::vector<FaceCentre> centres(part.faces.size());
    std::vector<double> areas(part.faces.size(), 0.0);
    for (const PartTriangle& triangle : part.triangles) {
        const Vec3& a = part.vertices[triangle.vertex[0]];
        const Vec3& b = part.vertices[triangle.vertex[1]];
        const Vec3& c = part.vertices[triangle.vertex[2]];
        const Vec3 cross = (b - a).Cross(c - a);
        const double area = cross.Length() / 2;
        FaceCentre& centre = centres[triangle.face];
        centre.centroid = centre.centroid + (a + b + c) * (area / 3);
        centre.normal = centre.normal + cross * 0.5;
        areas[triangle.face] += area;
    }
    for (std::size_t f = 0; f < centres.size(); ++f) {
        if (areas[f] > 0) {
            centres[f].centroid = centres[f].centroid * (1 / areas[f]);
        }
        // Normals that cancel to a rounding error's worth point nowhere.
        centres[f].normal =
            centres[f].normal.Length() > 1e-6 * areas[f] ? centres[f].normal.Normalized() : Vec3{};
    }
    return centres;
}

std::pair<Vec3, Vec3> Bounds(const Part& part) {
    constexpr double kFar = std::numeric_limits<double>::max();
    Vec3 low{kFar, kFar, kFar};
    Vec3 high{-kFar, -kFar, -kFar};
    for (const Vec3& p : part.vertices) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
    return {low, high};
}

}  // namespace check
