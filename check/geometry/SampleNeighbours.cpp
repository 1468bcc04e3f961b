#include "check/geometry/SampleNeighbours.h"

#include <algorithm>
#include <cmath>

#include "check/geometry/GridCell.h"

namespace check {
namespace {

constexpr double kMostWidening = 4;

}  // namespace

SampleNeighbours::SampleNeighbours(const std::vector<SurfaceSample>& samples, double widen)
    : m_samples(samples) {
    std::vector<double> spacing;
    spacing.reserve(samples.size());
    for (const SurfaceSample& sample : samples) {
        spacing.push_back(std::sqrt(sample.area));
    }
    if (!spacing.empty()) {
        auto middle = spacing.begin() + static_cast<std::ptrdiff_t>(spacing.size() / 2);
        std::nth_element(spacing.begin(), middle, spacing.end());
        m_spacing = 2 * *middle;
        // Widened at most to a few spacings, so that the pairs stay in proportion to the samples.
        m_reach = m_spacing + std::clamp(widen, 0.0, kMostWidening * m_spacing);
    }
}

void SampleNeighbours::ForEachPair(
    const std::function<void(std::size_t, std::size_t)>& visit) const {
    if (!(m_reach > 0)) {
        return;
    }
    // The samples sorted by the grid cell they lie in; a cell is a run of that order.
    std::vector<GridCell> cells;
    cells.reserve(m_samples.size());
    for (const SurfaceSample& sample : m_samples) {
        cells.push_back(GridCell::Of(sample.point, m_reach));
    }
    std::vector<std::pair<std::uint64_t, std::size_t>> order;
    order.reserve(m_samples.size());
    for (std::size_t i = 0; i < m_samples.size(); ++i) {
        order.emplace_back(cells[i].Key(), i);
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
        const GridCell& at = cells[begin->second];
        // The cell itself and the thirteen neighbouring cells that come after it.
        for (std::int64_t d = 13; d < 27; ++d) {
            const auto [otherBegin, otherEnd] =
                run(GridCell{at.x + d / 9 - 1, at.y + d / 3 % 3 - 1, at.z + d % 3 - 1}.Key());
            for (auto a = begin; a != end; ++a) {
                for (auto b = d == 13 ? a + 1 : otherBegin; b != otherEnd; ++b) {
                    const SurfaceSample& first = m_samples[a->second];
                    const SurfaceSample& second = m_samples[b->second];
                    const Vec3 between = second.point - first.point;
                    if (between.Dot(between) <= reachSquared) {
                        visit(a->second, b->second);
                    }
                }
            }
        }
        cell = end;
    }
}

}  // namespace check
