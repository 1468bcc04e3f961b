#include "check/geometry/PartingLine.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <tuple>
#include <utility>

namespace check {
namespace {

// A side of a cavity triangle with a core triangle across it: its ends as corner points (equal
// numbers, equal points) and where they are.
struct Segment {
    std::array<std::uint32_t, 2> ends;
    std::array<Vec3, 2> at;
    std::uint32_t cavityFace;
    std::uint32_t coreFace;
    std::optional<std::uint32_t> edge;

    // The stretch it belongs to.
    auto Stretch() const { return std::tuple(cavityFace, coreFace, edge); }
};

std::uint64_t SideKey(std::uint32_t a, std::uint32_t b) {
    return std::uint64_t{std::min(a, b)} << 32 | std::max(a, b);
}

// The file's edge along each side of the mesh the part's edge spans name, by the side's ends'
// point numbers, sorted.
std::vector<std::pair<std::uint64_t, std::uint32_t>> EdgesBySide(
    const Part& part, const std::vector<std::uint32_t>& points) {
    std::vector<std::pair<std::uint64_t, std::uint32_t>> edges;
    edges.reserve(part.edgeSpans.size());
    for (const EdgeSpan& span : part.edgeSpans) {
        edges.emplace_back(SideKey(points[span.from], points[span.to]), span.edge);
    }
    std::ranges::sort(edges);
    return edges;
}

double DistanceToSegment(const Vec3& p, const Vec3& a, const Vec3& b) {
    const Vec3 along = b - a;
    const double squared = along.Dot(along);
    const double t = squared > 0 ? std::clamp((p - a).Dot(along) / squared, 0.0, 1.0) : 0.0;
    return (p - (a + along * t)).Length();
}

// Marks the points of [first, last] that keep the line within tolerance of the whole.
void KeepFarthest(const std::vector<Vec3>& points, std::size_t first, std::size_t last,
                  double tolerance, std::vector<bool>& keep) {
    std::vector<std::pair<std::size_t, std::size_t>> spans{{first, last}};
    while (!spans.empty()) {
        const auto [from, to] = spans.back();
        spans.pop_back();
        double farthest = tolerance;
        std::size_t at = from;
        for (std::size_t i = from + 1; i < to; ++i) {
            const double distance = DistanceToSegment(points[i], points[from], points[to]);
            if (distance > farthest) {
                farthest = distance;
                at = i;
            }
        }
        if (at != from) {
            keep[at] = true;
            spans.emplace_back(from, at);
            spans.emplace_back(at, to);
        }
    }
}

// Joins the segments of one edge (or, on an STL, all of them) into chains: open ones from
// each end where the line does not simply run on, then the loops left.
class Chains {
public:
    explicit Chains(std::vector<Segment> segments) : m_segments(std::move(segments)) {
        m_used.assign(m_segments.size(), false);
        for (std::uint32_t s = 0; s < m_segments.size(); ++s) {
            for (const std::uint32_t end : m_segments[s].ends) {
                m_uses.emplace_back(end, s);
            }
        }
        std::ranges::sort(m_uses);
    }

    void AppendTo(std::vector<PartingCurve>& curves) {
        for (const auto& [point, segment] : m_uses) {
            if (!m_used[segment] && Degree(point) != 2) {
                curves.push_back(Walk(segment, point));
            }
        }
        for (std::uint32_t s = 0; s < m_segments.size(); ++s) {
            if (!m_used[s]) {
                curves.push_back(Walk(s, m_segments[s].ends[0]));
            }
        }
    }

private:
    std::span<const std::pair<std::uint32_t, std::uint32_t>> UsesOf(std::uint32_t point) const {
        const auto [begin, end] = std::ranges::equal_range(
            m_uses, point, {}, &std::pair<std::uint32_t, std::uint32_t>::first);
        return {begin, end};
    }

    std::size_t Degree(std::uint32_t point) const { return UsesOf(point).size(); }

    PartingCurve Walk(std::uint32_t segment, std::uint32_t start) {
        PartingCurve curve;
        curve.cavityFace = m_segments[segment].cavityFace;
        curve.coreFace = m_segments[segment].coreFace;
        curve.edge = m_segments[segment].edge;
        std::uint32_t point = start;
        curve.points.push_back(
            m_segments[segment].at[m_segments[segment].ends[0] == start ? 0 : 1]);
        for (bool more = true; more;) {
            m_used[segment] = true;
            const Segment& s = m_segments[segment];
            const int next = s.ends[0] == point ? 1 : 0;
            curve.length += (s.at[next] - s.at[1 - next]).Length();
            point = s.ends[next];
            curve.points.push_back(s.at[next]);
            more = false;
            if (point == start) {
                curve.closed = true;
                curve.points.pop_back();
            } else if (Degree(point) == 2) {
                for (const auto& [end, other] : UsesOf(point)) {
                    if (!m_used[other]) {
                        segment = other;
                        more = true;
                    }
                }
            }
        }
        return curve;
    }

    std::vector<Segment> m_segments;
    std::vector<bool> m_used;
    // (corner point, segment) for both ends of every segment, by point.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> m_uses;
};

}  // namespace

PartingLine::PartingLine(const Part& part, const TriangleAdjacency& adjacency,
                         const std::vector<FaceSides>& sides, const Vec3& pull)
    : m_part(part), m_adjacency(adjacency), m_sides(sides), m_pull(pull.Normalized()) {}

MouldSide PartingLine::SideOf(std::uint32_t triangle) const {
    const PartTriangle& t = m_part.triangles[triangle];
    if (t.face >= m_sides.size()) {
        return MouldSide::Neither;
    }
    const FaceSides& face = m_sides[t.face];
    if (!face.parted) {
        return face.side;
    }
    const Vec3& a = m_part.vertices[t.vertex[0]];
    const Vec3 normal = (m_part.vertices[t.vertex[1]] - a).Cross(m_part.vertices[t.vertex[2]] - a);
    return normal.Dot(m_pull) >= 0 ? MouldSide::Cavity : MouldSide::Core;
}

std::vector<PartingCurve> PartingLine::Curves() const {
    const std::vector<std::uint32_t> points = TriangleAdjacency::PointNumbers(m_part);
    const std::vector<std::pair<std::uint64_t, std::uint32_t>> edges = EdgesBySide(m_part, points);
    const auto edgeAlong = [&](std::uint64_t side) -> std::optional<std::uint32_t> {
        const auto found = std::ranges::lower_bound(edges, std::pair(side, std::uint32_t{0}));
        return found != edges.end() && found->first == side ? std::optional(found->second)
                                                            : std::nullopt;
    };
    const bool perEdge = m_part.hasSurfaces;
    std::vector<Segment> segments;
    for (std::uint32_t t = 0; t < m_part.triangles.size(); ++t) {
        if (SideOf(t) != MouldSide::Cavity) {
            continue;
        }
        const PartTriangle& triangle = m_part.triangles[t];
        for (int k = 0; k < 3; ++k) {
            const std::uint32_t across = m_adjacency.Across(t, k);
            const std::uint32_t from = triangle.vertex[k];
            const std::uint32_t to = triangle.vertex[(k + 1) % 3];
            if (across == TriangleAdjacency::kNone || SideOf(across) != MouldSide::Core ||
                points[from] == points[to]) {
                continue;
            }
            const std::uint64_t side = SideKey(points[from], points[to]);
            segments.push_back({{points[from], points[to]},
                                {m_part.vertices[from], m_part.vertices[to]},
                                perEdge ? triangle.face : 0,
                                perEdge ? m_part.triangles[across].face : 0,
                                perEdge ? edgeAlong(side) : std::nullopt});
        }
    }
    std::ranges::sort(segments, {}, &Segment::Stretch);
    std::vector<PartingCurve> curves;
    for (auto begin = segments.begin(); begin != segments.end();) {
        const auto end = std::find_if(begin, segments.end(), [&](const Segment& s) {
            return s.Stretch() != begin->Stretch();
        });
        Chains(std::vector<Segment>(begin, end)).AppendTo(curves);
        begin = end;
    }
    return curves;
}

PartingCurve PartingLine::Simplified(const PartingCurve& curve, double tolerance) {
    const std::size_t count = curve.points.size();
    if (count < 3) {
        return curve;
    }
    std::vector<bool> keep(count, false);
    keep.front() = true;
    if (curve.closed) {
        // A loop splits at its point farthest from its first into two open runs.
        std::vector<Vec3> points = curve.points;
        points.push_back(points.front());
        std::size_t farthest = 1;
        for (std::size_t i = 1; i < count; ++i) {
            if ((points[i] - points[0]).Length() > (points[farthest] - points[0]).Length()) {
                farthest = i;
            }
        }
        keep[farthest] = true;
        std::vector<bool> closing(count + 1, false);
        KeepFarthest(points, 0, farthest, tolerance, closing);
        KeepFarthest(points, farthest, count, tolerance, closing);
        for (std::size_t i = 1; i < count; ++i) {
            keep[i] = keep[i] || closing[i];
        }
    } else {
        keep.back() = true;
        KeepFarthest(curve.points, 0, count - 1, tolerance, keep);
    }
    PartingCurve simplified = curve;
    simplified.points.clear();
    for (std::size_t i = 0; i < count; ++i) {
        if (keep[i]) {
            simplified.points.push_back(curve.points[i]);
        }
    }
    // A loop starts where the mesh's walk did: that point goes too where it lies on the way.
    std::vector<Vec3>& kept = simplified.points;
    if (curve.closed && kept.size() > 3 &&
        DistanceToSegment(kept.front(), kept.back(), kept[1]) <= tolerance) {
        kept.erase(kept.begin());
    }
    return simplified;
}

}  // namespace check
