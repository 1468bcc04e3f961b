#include "check/geometry/PartingLine.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <tuple>
#include <utility>

namespace check {
namespace {

// A piece of the line: a side of a cavity triangle with a core triangle across it, or where a
// parted face's surface turns square to the pull across one of its triangles. Its ends are
// named so that equal names are equal points: a mesh point as SideKey(p, p), a point inside the
// side between mesh points a and b as SideKey(a, b).
struct Segment {
    std::array<std::uint64_t, 2> ends;
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

// Where the surface turns square to the pull along sides of a face's triangles, from how far
// the surface's normals at the mesh's points face the pull.
class Silhouette {
public:
    Silhouette(const Part& part, const std::vector<std::uint32_t>& points, const Vec3& pull)
        : m_part(part), m_points(points), m_pull(pull) {}

    double Facing(std::uint32_t vertex) const { return m_part.vertexNormals[vertex].Dot(m_pull); }

    // The piece across the triangle, when its corners face both ways.
    std::optional<Segment> Across(const PartTriangle& triangle, std::uint32_t face) const {
        std::vector<std::pair<std::uint64_t, Vec3>> crossings;
        for (int k = 0; k < 3; ++k) {
            if (auto crossing = Crossing(triangle.vertex[k], triangle.vertex[(k + 1) % 3])) {
                crossings.push_back(*crossing);
            }
        }
        if (crossings.size() != 2 || crossings[0].first == crossings[1].first) {
            return std::nullopt;
        }
        return Segment{{crossings[0].first, crossings[1].first},
                       {crossings[0].second, crossings[1].second},
                       face,
                       face,
                       std::nullopt};
    }

private:
    // Where the side's facing passes from the pull's side (square to it counts so) to against
    // it, found from its lower-numbered end so that both triangles along it find the same point.
    std::optional<std::pair<std::uint64_t, Vec3>> Crossing(std::uint32_t a, std::uint32_t b) const {
        if (m_points[b] < m_points[a]) {
            std::swap(a, b);
        }
        const double fa = Facing(a);
        const double fb = Facing(b);
        if ((fa >= 0) == (fb >= 0)) {
            return std::nullopt;
        }
        const double t = fa / (fa - fb);
        const Vec3& from = m_part.vertices[a];
        const Vec3& to = m_part.vertices[b];
        if (t <= 0) {
            return std::pair(SideKey(m_points[a], m_points[a]), from);
        }
        if (t >= 1) {
            return std::pair(SideKey(m_points[b], m_points[b]), to);
        }
        return std::pair(SideKey(m_points[a], m_points[b]), from + (to - from) * t);
    }

    const Part& m_part;
    const std::vector<std::uint32_t>& m_points;
    Vec3 m_pull;
};

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
            for (const std::uint64_t end : m_segments[s].ends) {
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
    std::span<const std::pair<std::uint64_t, std::uint32_t>> UsesOf(std::uint64_t point) const {
        const auto [begin, end] = std::ranges::equal_range(
            m_uses, point, {}, &std::pair<std::uint64_t, std::uint32_t>::first);
        return {begin, end};
    }

    std::size_t Degree(std::uint64_t point) const { return UsesOf(point).size(); }

    PartingCurve Walk(std::uint32_t segment, std::uint64_t start) {
        PartingCurve curve;
        curve.cavityFace = m_segments[segment].cavityFace;
        curve.coreFace = m_segments[segment].coreFace;
        curve.edge = m_segments[segment].edge;
        std::uint64_t point = start;
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
    // (end, segment) for both ends of every segment, by end.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> m_uses;
};

}  // namespace

PartingLine::PartingLine(const Part& part, const TriangleAdjacency& adjacency,
                         const std::vector<FaceSides>& sides, const Vec3& pull)
    : m_part(part), m_adjacency(adjacency), m_sides(sides), m_pull(pull.Normalized()) {}

bool PartingLine::Parted(std::uint32_t face) const {
    return face < m_sides.size() && m_sides[face].parted &&
           m_part.vertexNormals.size() == m_part.vertices.size();
}

MouldSide PartingLine::SideOf(std::uint32_t triangle) const {
    const PartTriangle& t = m_part.triangles[triangle];
    if (t.face >= m_sides.size()) {
        return MouldSide::Neither;
    }
    if (!Parted(t.face)) {
        return m_sides[t.face].side;
    }
    double facing = 0;
    for (const std::uint32_t v : t.vertex) {
        facing += m_part.vertexNormals[v].Dot(m_pull);
    }
    return facing >= 0 ? MouldSide::Cavity : MouldSide::Core;
}

std::vector<PartingCurve> PartingLine::Curves() const {
    const std::vector<std::uint32_t> points = TriangleAdjacency::PointNumbers(m_part.vertices);
    const std::vector<std::pair<std::uint64_t, std::uint32_t>> edges = EdgesBySide(m_part, points);
    const auto edgeAlong = [&](std::uint64_t side) -> std::optional<std::uint32_t> {
        const auto found = std::ranges::lower_bound(edges, std::pair(side, std::uint32_t{0}));
        return found != edges.end() && found->first == side ? std::optional(found->second)
                                                            : std::nullopt;
    };
    const bool perEdge = m_part.hasSurfaces;
    const Silhouette silhouette(m_part, points, m_pull);
    std::vector<Segment> segments;
    for (std::uint32_t t = 0; t < m_part.triangles.size(); ++t) {
        const PartTriangle& triangle = m_part.triangles[t];
        if (Parted(triangle.face)) {
            if (std::optional<Segment> piece =
                    silhouette.Across(triangle, perEdge ? triangle.face : 0)) {
                segments.push_back(*piece);
            }
        }
        if (SideOf(t) != MouldSide::Cavity) {
            continue;
        }
        for (int k = 0; k < 3; ++k) {
            const std::uint32_t across = m_adjacency.Across(t, k);
            const std::uint32_t from = points[triangle.vertex[k]];
            const std::uint32_t to = points[triangle.vertex[(k + 1) % 3]];
            // Inside a parted face its silhouette is the line.
            if (across == TriangleAdjacency::kNone || SideOf(across) != MouldSide::Core ||
                from == to ||
                (m_part.triangles[across].face == triangle.face && Parted(triangle.face))) {
                continue;
            }
            segments.push_back({{SideKey(from, from), SideKey(to, to)},
                                {m_part.vertices[triangle.vertex[k]],
                                 m_part.vertices[triangle.vertex[(k + 1) % 3]]},
                                perEdge ? triangle.face : 0,
                                perEdge ? m_part.triangles[across].face : 0,
                                perEdge ? edgeAlong(SideKey(from, to)) : std::nullopt});
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
