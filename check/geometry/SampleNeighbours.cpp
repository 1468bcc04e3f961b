#include "check/geometry/SampleNeighbours.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace check {
namespace {

// Samples facing within 60 degrees of each other lie on the same side of a wall.
constexpr double kSameSideCosine = 0.5;
// Cell coordinates are kept in 21 bits each, offset to be positive.
constexpr std::int64_t kCellOffset = std::int64_t{1} << 20;
constexpr std::int64_t kCellMask = (std::int64_t{1} << 21) - 1;

std::uint64_t CellKey(std::int64_t x, std::int64_t y, std::int64_t z) {
    return (static_cast<std::uint64_t>((x + kCellOffset) & kCellMask) << 42) |
           (static_cast<std::uint64_t>((y + kCellOffset) & kCellMask) << 21) |
           static_cast<std::uint64_t>((z + kCellOffset) & kCellMask);
}

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
    // The samples sorted by the grid cell they lie in; a cell is a run of that order.
    std::vector<std::array<std::int64_t, 3>> cells;
    cells.reserve(m_samples.size());
    for (const SurfaceSample& sample : m_samples) {
        cells.push_back({static_cast<std::int64_t>(std::floor(sample.point.x / m_reach)),
                         static_cast<std::int64_t>(std::floor(sample.point.y / m_reach)),
                         static_cast<std::int64_t>(std::floor(sample.point.z / m_reach))});
    }
    std::vector<std::pair<std::uint64_t, std::size_t>> order;
    order.reserve(m_samples.size());
    for (std::size_t i = 0; i < m_samples.size(); ++i) {
        order.emplace_back(CellKey(cells[i][0], cells[i][1], cells[i][2]), i);
    }
    std::ranges::sort(order);
    const auto run = [&order](std::uint64_t key) {
        const auto begin =
            std::ranges::lower_bound(order, std::pair<std::uint64_t, std::size_t>{key, 0});
        auto end = begin;
        while (end != order.end() && end->first == key) {
            ++end;
        }
        return std::pair(begin, end);
    };
    const double reachSquared = m_reach * m_reach;
    for (auto cell = order.begin(); cell != order.end();) {
        const auto [begin, end] = run(cell->first);
        const std::array<std::int64_t, 3>& at = cells[begin->second];
        // The cell itself and the thirteen neighbouring cells that come after it.
        for (std::int64_t d = 13; d < 27; ++d) {
            const auto [otherBegin, otherEnd] =
                run(CellKey(at[0] + d / 9 - 1, at[1] + d / 3 % 3 - 1, at[2] + d % 3 - 1));
            for (auto a = begin; a != end; ++a) {
                for (auto b = d == 13 ? a + 1 : otherBegin; b != otherEnd; ++b) {
                    const SurfaceSample& first = m_samples[a->second];
                    const SurfaceSample& second = m_samples[b->second];
                    const Vec3 between = second.point - first.point;
                    if (between.Dot(between) <= reachSquared &&
                        first.normal.Dot(second.normal) > kSameSideCosine) {
                        visit(a->second, b->second);
                    }
                }
            }
        }
        cell = end;
    }
}

}  // namespace check
