#include "check/geometry/ThickSections.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

#include "check/geometry/FaceThickness.h"
#include "check/geometry/SampleNeighbours.h"

namespace check {
namespace {

// The region each sample belongs to, as the smallest sample number joined to it.
class Regions {
public:
    explicit Regions(std::size_t count) : m_parent(count) {
        std::iota(m_parent.begin(), m_parent.end(), std::size_t{0});
    }

    std::size_t Root(std::size_t i) {
        while (m_parent[i] != i) {
            m_parent[i] = m_parent[m_parent[i]];
            i = m_parent[i];
        }
        return i;
    }

    void Join(std::size_t a, std::size_t b) {
        const std::size_t rootA = Root(a);
        const std::size_t rootB = Root(b);
        m_parent[std::max(rootA, rootB)] = std::min(rootA, rootB);
    }

private:
    std::vector<std::size_t> m_parent;
};

}  // namespace

ThickSections::ThickSections(const Part& part, const std::vector<SurfaceSample>& samples,
                             const std::vector<double>& thickness)
    : m_part(part), m_samples(samples), m_thickness(thickness) {
    std::vector<std::pair<double, double>> readings;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (!std::isnan(thickness[i])) {
            readings.emplace_back(thickness[i], samples[i].area);
        }
    }
    std::ranges::sort(readings);
    m_nominal = MedianByArea(readings);
}

std::vector<ThickSection> ThickSections::Above(double ratio) const {
    if (!(m_nominal > 0)) {
        return {};
    }
    const double limit = m_nominal * ratio;
    const auto thick = [&](std::size_t i) { return m_thickness[i] > limit; };
    Regions regions(m_samples.size());
    SampleNeighbours(m_samples).ForEachPair([&](std::size_t i, std::size_t j) {
        if (thick(i) && thick(j)) {
            regions.Join(i, j);
        }
    });
    // A face's findings are one: its thick samples are one region, however far apart.
    std::vector<std::size_t> firstOnFace(m_part.faces.size(), m_samples.size());
    for (std::size_t i = 0; i < m_samples.size(); ++i) {
        if (thick(i)) {
            std::size_t& first = firstOnFace[m_part.triangles[m_samples[i].triangle].face];
            first = first == m_samples.size() ? i : first;
            regions.Join(first, i);
        }
    }
    std::vector<ThickSection> found;
    std::vector<std::size_t> sectionOf(m_samples.size(), m_samples.size());
    for (std::size_t i = 0; i < m_samples.size(); ++i) {
        if (!thick(i)) {
            continue;
        }
        std::size_t& section = sectionOf[regions.Root(i)];
        if (section == m_samples.size()) {
            section = found.size();
            found.emplace_back();
        }
        ThickSection& region = found[section];
        if (m_thickness[i] > region.thickest) {
            region.thickest = m_thickness[i];
            region.face = m_part.triangles[m_samples[i].triangle].face;
        }
    }
    std::ranges::sort(found, std::greater{}, &ThickSection::thickest);
    return found;
}

}  // namespace check
