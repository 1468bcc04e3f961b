#include "check/geometry/FaceThickness.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace check {

double MedianByArea(const std::vector<std::pair<double, double>>& sorted) {
    double total = 0;
    for (const auto& reading : sorted) {
        total += reading.second;
    }
    double below = 0;
    for (const auto& [value, area] : sorted) {
        below += area;
        if (below >= total / 2) {
            return value;
        }
    }
    return sorted.empty() ? std::numeric_limits<double>::quiet_NaN() : sorted.back().first;
}

FaceThickness::FaceThickness(const Part& part, const std::vector<SurfaceSample>& samples,
                             const std::vector<double>& thickness)
    : m_readings(part.faces.size()), m_typical(part.faces.size()) {
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (!std::isnan(thickness[i])) {
            m_readings[part.triangles[samples[i].triangle].face].emplace_back(thickness[i],
                                                                              samples[i].area);
        }
    }
    for (std::size_t face = 0; face < m_readings.size(); ++face) {
        std::ranges::sort(m_readings[face]);
        m_typical[face] = MedianByArea(m_readings[face]);
    }
}

double FaceThickness::Thinnest(std::uint32_t face) const {
    return m_readings[face].front().first;
}

double FaceThickness::Thickest(std::uint32_t face) const {
    return m_readings[face].back().first;
}

std::vector<std::pair<std::uint32_t, std::uint32_t>> FaceThickness::Meetings(
    const Part& part, const TriangleAdjacency& adjacency) {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> meetings;
    for (std::uint32_t t = 0; t < part.triangles.size(); ++t) {
        for (int k = 0; k < 3; ++k) {
            const std::uint32_t other = adjacency.Across(t, k);
            if (other == TriangleAdjacency::kNone) {
                continue;
            }
            const std::uint32_t face = part.triangles[t].face;
            const std::uint32_t otherFace = part.triangles[other].face;
            if (face != otherFace) {
                meetings.emplace_back(std::min(face, otherFace), std::max(face, otherFace));
            }
        }
    }
    std::ranges::sort(meetings);
    meetings.erase(std::unique(meetings.begin(), meetings.end()), meetings.end());
    return meetings;
}

}  // namespace check
