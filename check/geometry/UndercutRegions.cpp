#include "check/geometry/UndercutRegions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>
#include <numeric>

namespace check {
namespace {

// Directions closer than this (a cosine) are the same.
constexpr double kSameDirection = 1 - 1e-9;
constexpr int kSquareDirections = 8;

std::uint32_t Root(std::vector<std::uint32_t>& parent, std::uint32_t face) {
    while (parent[face] != face) {
        parent[face] = parent[parent[face]];
        face = parent[face];
    }
    return face;
}

// Two unit directions square to the pull and to each other.
std::pair<Vec3, Vec3> SquareTo(const Vec3& direction) {
    const Vec3 across = std::abs(direction.x) < 0.9 ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
    const Vec3 first = direction.Cross(across).Normalized();
    return {first, direction.Cross(first).Normalized()};
}

std::string NameOf(const Vec3& direction) {
    const std::array<std::pair<Vec3, const char*>, 6> axes{{{{1, 0, 0}, "+X"},
                                                            {{-1, 0, 0}, "-X"},
                                                            {{0, 1, 0}, "+Y"},
                                                            {{0, -1, 0}, "-Y"},
                                                            {{0, 0, 1}, "+Z"},
                                                            {{0, 0, -1}, "-Z"}}};
    for (const auto& [axis, name] : axes) {
        if (axis.Dot(direction) > kSameDirection) {
            return name;
        }
    }
    std::array<char, 96> text{};
    std::snprintf(text.data(), text.size(), "%.6f, %.6f, %.6f", direction.x, direction.y,
                  direction.z);
    return text.data();
}

}  // namespace

UndercutRegions::UndercutRegions(const RayScene& scene, const Vec3& pull)
    : m_scene(scene), m_part(scene.Geometry()), m_sides(scene, pull), m_releases(Releases(pull)) {
    for (const Release& release : m_releases) {
        double far = -std::numeric_limits<double>::max();
        for (const Vec3& vertex : m_part.vertices) {
            far = std::max(far, vertex.Dot(release.direction));
        }
        m_far.push_back(far);
    }
}

std::vector<UndercutRegions::Release> UndercutRegions::Releases(const Vec3& pull) {
    const Vec3 along = pull.Normalized();
    std::vector<Vec3> directions{{1, 0, 0},  {-1, 0, 0}, {0, 1, 0},
                                 {0, -1, 0}, {0, 0, 1},  {0, 0, -1}};
    const auto [first, second] = SquareTo(along);
    for (int k = 0; k < kSquareDirections; ++k) {
        const double turn = 2 * std::numbers::pi * k / kSquareDirections;
        directions.push_back(first * std::cos(turn) + second * std::sin(turn));
    }
    std::vector<Release> releases;
    for (const Vec3& direction : directions) {
        const bool pulled = std::abs(direction.Dot(along)) > kSameDirection;
        const bool known = std::ranges::any_of(releases, [&](const Release& release) {
            return release.direction.Dot(direction) > kSameDirection;
        });
        if (!pulled && !known) {
            releases.push_back({direction, NameOf(direction)});
        }
    }
    return releases;
}

std::vector<std::uint32_t> UndercutRegions::Group(const MouldSplit& split,
                                                  const TriangleAdjacency& adjacency) const {
    const auto faceCount = static_cast<std::uint32_t>(m_part.faces.size());
    std::vector<std::uint32_t> parent(faceCount);
    std::iota(parent.begin(), parent.end(), 0u);
    const auto undercut = [&](std::uint32_t face) {
        return split.faces[face].Undercut(m_part.faces[face].area);
    };
    for (std::uint32_t t = 0; t < m_part.triangles.size(); ++t) {
        const std::uint32_t face = m_part.triangles[t].face;
        for (int edge = 0; edge < 3; ++edge) {
            const std::uint32_t across = adjacency.Across(t, edge);
            if (across == TriangleAdjacency::kNone) {
                continue;
            }
            const std::uint32_t other = m_part.triangles[across].face;
            if (other != face && undercut(face) && undercut(other)) {
                parent[Root(parent, face)] = Root(parent, other);
            }
        }
    }
    std::vector<std::uint32_t> region(faceCount, kNone);
    std::vector<std::uint32_t> numberOfRoot(faceCount, kNone);
    std::uint32_t count = 0;
    for (std::uint32_t face = 0; face < faceCount; ++face) {
        if (!undercut(face)) {
            continue;
        }
        std::uint32_t& number = numberOfRoot[Root(parent, face)];
        if (number == kNone) {
            number = count++;
        }
        region[face] = number;
    }
    return region;
}

std::vector<UndercutRegion> UndercutRegions::Find(const std::vector<SurfaceSample>& samples,
                                                  const MouldSplit& split,
                                                  const TriangleAdjacency& adjacency) const {
    const std::vector<std::uint32_t> regionOf = Group(split, adjacency);
    std::vector<UndercutRegion> regions;
    std::vector<std::vector<std::size_t>> unreached;
    std::vector<double> mainArea;
    for (std::uint32_t face = 0; face < regionOf.size(); ++face) {
        if (regionOf[face] == kNone) {
            continue;
        }
        if (regionOf[face] == regions.size()) {
            regions.emplace_back();
            unreached.emplace_back();
            mainArea.push_back(0);
        }
        UndercutRegion& region = regions[regionOf[face]];
        region.faces.push_back(face);
        const double area = split.faces[face].unreachableArea;
        region.area += area;
        if (area > mainArea[regionOf[face]]) {
            mainArea[regionOf[face]] = area;
            region.mainFace = face;
        }
    }
    std::vector<std::size_t> all;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const std::uint32_t region = regionOf[m_part.triangles[samples[i].triangle].face];
        if (split.reached[i] == 0 && region != kNone) {
            unreached[region].push_back(i);
            all.push_back(i);
        }
    }
    std::vector<std::uint32_t> releasedBy(samples.size());
    m_scene.Tracing().ForEach(
        all.size(),
        [&](std::size_t n) {
            std::uint32_t bits = 0;
            for (std::size_t k = 0; k < m_releases.size(); ++k) {
                if (m_sides.Reaches(samples[all[n]], m_releases[k].direction)) {
                    bits |= 1u << k;
                }
            }
            releasedBy[all[n]] = bits;
        },
        {});
    for (std::size_t r = 0; r < regions.size(); ++r) {
        Measure(regions[r], samples, unreached[r], releasedBy);
    }
    return regions;
}

void UndercutRegions::Measure(UndercutRegion& region, const std::vector<SurfaceSample>& samples,
                              const std::vector<std::size_t>& unreached,
                              const std::vector<std::uint32_t>& releasedBy) const {
    std::size_t best = 0;
    double bestArea = -1;
    for (std::size_t k = 0; k < m_releases.size(); ++k) {
        double area = 0;
        for (const std::size_t i : unreached) {
            area += (releasedBy[i] >> k & 1u) != 0 ? samples[i].area : 0;
        }
        if (area > bestArea) {
            bestArea = area;
            best = k;
        }
    }
    const Vec3& release = m_releases[best].direction;
    region.release = release;
    region.releaseName = bestArea > 0 ? m_releases[best].name : std::string();
    const auto [first, second] = SquareTo(release);
    double nearest = std::numeric_limits<double>::max();
    std::array<double, 4> span{nearest, -nearest, nearest, -nearest};
    for (const std::size_t i : unreached) {
        for (const std::uint32_t vertex : m_part.triangles[samples[i].triangle].vertex) {
            const Vec3& point = m_part.vertices[vertex];
            nearest = std::min(nearest, point.Dot(release));
            span = {std::min(span[0], point.Dot(first)), std::max(span[1], point.Dot(first)),
                    std::min(span[2], point.Dot(second)), std::max(span[3], point.Dot(second))};
        }
        if ((releasedBy[i] >> best & 1u) == 0) {
            region.overhang =
                std::max(region.overhang, m_far[best] - samples[i].point.Dot(release));
        }
    }
    if (!unreached.empty()) {
        region.depth = m_far[best] - nearest;
        region.width = std::min(span[1] - span[0], span[3] - span[2]);
    }
}

}  // namespace check
