#include "check/geometry/SampleNeighbours.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace check {
namespace {

// Samples facing within 60 degrees of each other lie on the same side of a wall.
constexpr double kSameSideCosine = 0.5;

struct Cell {
    std::int64_t x, y, z;
    bool operator==(const Cell&) const = default;
};

struct CellHash {
    std::size_t operator()(const Cell& c) const {
        return static_cast<std::size_t>(c.x * 73856093 ^ c.y * 19349663 ^ c.z * 83492791);
    }
};

}  // namespace

SampleNeighbours::SampleNeighbours(const std::vector<SurfaceSample>& samples) : m_samples(samples) {
    std::vector<double> spacing;
    spacing.reserve(samples.size());
    for (const SurfaceSample& sample : samples) {
        spacing.push_back(std::sqrt(sample.area));
    }
    if (!spacing.empty()) {
        auto middle = spacing.begin() + static_cast<std::ptrdiff_t>(spacing.size() / 2);
        std::nth_element(spacing.begin(), middle, spacing.end());
        m_reach = 2 * *middle;
    }
}

void SampleNeighbours::ForEachPair(
    const std::function<void(std::size_t, std::size_t)>& visit) const {
    if (!(m_reach > 0)) {
        return;
    }
    const auto cellOf = [this](const Vec3& p) {
        return Cell{static_cast<std::int64_t>(std::floor(p.x / m_reach)),
                    static_cast<std::int64_t>(std::floor(p.y / m_reach)),
                    static_cast<std::int64_t>(std::floor(p.z / m_reach))};
    };
    std::unordered_map<Cell, std::vector<std::size_t>, CellHash> grid;
    grid.reserve(m_samples.size());
    for (std::size_t i = 0; i < m_samples.size(); ++i) {
        grid[cellOf(m_samples[i].point)].push_back(i);
    }
    const double reachSquared = m_reach * m_reach;
    for (std::size_t i = 0; i < m_samples.size(); ++i) {
        const SurfaceSample& a = m_samples[i];
        const Cell home = cellOf(a.point);
        for (std::int64_t dx = -1; dx <= 1; ++dx) {
            for (std::int64_t dy = -1; dy <= 1; ++dy) {
                for (std::int64_t dz = -1; dz <= 1; ++dz) {
                    const auto found = grid.find({home.x + dx, home.y + dy, home.z + dz});
                    if (found == grid.end()) {
                        continue;
                    }
                    for (const std::size_t j : found->second) {
                        const SurfaceSample& b = m_samples[j];
                        const Vec3 between = b.point - a.point;
                        if (j > i && between.Dot(between) <= reachSquared &&
                            a.normal.Dot(b.normal) > kSameSideCosine) {
                            visit(i, j);
                        }
                    }
                }
            }
        }
    }
}

}  // namespace check
