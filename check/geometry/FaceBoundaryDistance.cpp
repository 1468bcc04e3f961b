#include "check/geometry/FaceBoundaryDistance.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "check/geometry/GridCell.h"
#include "check/geometry/TrianglePoint.h"

namespace check {

FaceBoundaryDistance::FaceBoundaryDistance(const Part& part, const TriangleAdjacency& adjacency)
    : m_part(part), m_faceEdges(part.faces.size()) {
    std::vector<double> lengths;
    for (std::uint32_t t = 0; t < part.triangles.size(); ++t) {
        const PartTriangle& triangle = part.triangles[t];
        for (int k = 0; k < 3; ++k) {
            const std::uint32_t other = adjacency.Across(t, k);
            if (other != TriangleAdjacency::kNone && part.triangles[other].face == triangle.face) {
                continue;
            }
            const Edge edge{part.vertices[triangle.vertex[k]],
                            part.vertices[triangle.vertex[(k + 1) % 3]], triangle.face};
            m_faceEdges[triangle.face].push_back(static_cast<std::uint32_t>(m_edges.size()));
            m_edges.push_back(edge);
            lengths.push_back((edge.to - edge.from).Length());
        }
    }
    if (lengths.empty()) {
        return;
    }
    auto middle = lengths.begin() + static_cast<std::ptrdiff_t>(lengths.size() / 2);
    std::nth_element(lengths.begin(), middle, lengths.end());
    m_cell = std::max(*middle, 1e-9);
    std::size_t filings = 0;
    for (const Edge& edge : m_edges) {
        filings += 2 + static_cast<std::size_t>((edge.to - edge.from).Length() / (m_cell / 2));
    }
    m_filed.reserve(filings);
    // Each edge filed in the cells of points along it half a cell apart: the edge's point
    // nearest a question lies within a cell of one of them.
    for (std::uint32_t e = 0; e < m_edges.size(); ++e) {
        const Edge& edge = m_edges[e];
        const auto steps =
            static_cast<std::size_t>(std::ceil((edge.to - edge.from).Length() / (m_cell / 2)));
        for (std::size_t s = 0; s <= steps; ++s) {
            const double at = steps > 0 ? static_cast<double>(s) / static_cast<double>(steps) : 0;
            m_filed.emplace_back(GridCell::Of(edge.from + (edge.to - edge.from) * at, m_cell).Key(),
                                 e);
        }
    }
    std::ranges::sort(m_filed);
    m_filed.erase(std::unique(m_filed.begin(), m_filed.end()), m_filed.end());
}

double FaceBoundaryDistance::ToEdge(const Vec3& point, std::uint32_t face,
                                    std::uint32_t edge) const {
    const Edge& on = m_edges[edge];
    return on.face == face ? (NearestOnSegment(point, on.from, on.to) - point).Length()
                           : std::numeric_limits<double>::infinity();
}

double FaceBoundaryDistance::Within(const SurfaceSample& sample, double reach) const {
    const std::uint32_t face = m_part.triangles[sample.triangle].face;
    const std::vector<std::uint32_t>& own = m_faceEdges[face];
    if (!(reach > 0) || own.empty()) {
        return std::max(reach, 0.0);
    }
    const Vec3 margin{reach + m_cell, reach + m_cell, reach + m_cell};
    const GridCell low = GridCell::Of(sample.point - margin, m_cell);
    const GridCell high = GridCell::Of(sample.point + margin, m_cell);
    const double cells = static_cast<double>(high.x - low.x + 1) *
                         static_cast<double>(high.y - low.y + 1) *
                         static_cast<double>(high.z - low.z + 1);
    // A reach wide against the face's edges: measuring every edge is the quicker.
    if (cells > static_cast<double>(own.size())) {
        double nearest = reach;
        for (const std::uint32_t e : own) {
            nearest = std::min(nearest, ToEdge(sample.point, face, e));
        }
        return nearest;
    }
    double nearest = reach;
    for (std::int64_t x = low.x; x <= high.x; ++x) {
        for (std::int64_t y = low.y; y <= high.y; ++y) {
            for (std::int64_t z = low.z; z <= high.z; ++z) {
                const std::uint64_t key = GridCell{x, y, z}.Key();
                for (auto it = std::ranges::lower_bound(
                         m_filed, std::pair<std::uint64_t, std::uint32_t>{key, 0});
                     it != m_filed.end() && it->first == key; ++it) {
                    nearest = std::min(nearest, ToEdge(sample.point, face, it->second));
                }
            }
        }
    }
    return nearest;
}

}  // namespace check
