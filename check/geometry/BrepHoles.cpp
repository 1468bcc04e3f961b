#include "check/geometry/BrepHoles.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>

#include "check/geometry/BrepAxes.h"
#include "check/geometry/SolidPart.h"
#include "check/geometry/TrianglePoint.h"

namespace check {
namespace {

// A flat step lies square to its hole's axis within this cosine.
constexpr double kSquare = 1e-6;
// A point this near a face lies on it, in millimetres.
constexpr double kOnAFace = 1e-4;
// An entry cone this much wider than the cylinder it opens is a countersink, a narrower one a
// chamfer that only breaks the rim's edge.
constexpr double kCountersinkWidening = 1.25;

Vec3 ToVec(const gp_XYZ& p) {
    return {p.X(), p.Y(), p.Z()};
}

// A hole being gathered: its faces, the flat faces square to its axis that they meet (its
// rims on walls, its bottom, a step to a wider cylinder), the steps among them, and its axis.
struct GatheredHole {
    std::set<std::uint32_t> faces;
    std::set<std::uint32_t> flats;
    std::set<std::uint32_t> steps;
    gp_Ax1 axis;
};

class HoleGatherer {
public:
    HoleGatherer(const BrepContacts& contacts, const Part& part, const RevolvedFaces& revolved)
        : m_contacts(contacts), m_part(part), m_revolved(revolved) {}

    // Each closed run of concave cylinders with the faces on its axis it reaches; runs on one
    // axis that share a face or meet one flat face (a counterbore's step) are one hole.
    std::vector<GatheredHole> Holes() const {
        std::vector<GatheredHole> holes;
        for (const RevolvedFaces::Run& run : m_revolved.ClosedRuns(SurfaceKind::Cylinder)) {
            GatheredHole hole{m_revolved.OnItsAxis(run), {}, {}, run.axis};
            hole.flats = FlatsOf(hole);
            const auto joined = std::ranges::find_if(holes, [&](const GatheredHole& other) {
                return SameLine(other.axis, hole.axis) &&
                       (!Shared(other.faces, hole.faces).empty() ||
                        !Shared(other.flats, hole.flats).empty());
            });
            if (joined == holes.end()) {
                holes.push_back(std::move(hole));
                continue;
            }
            joined->steps.merge(Shared(joined->flats, hole.flats));
            joined->faces.merge(hole.faces);
            joined->flats.merge(hole.flats);
        }
        return holes;
    }

private:
    static std::set<std::uint32_t> Shared(const std::set<std::uint32_t>& a,
                                          const std::set<std::uint32_t>& b) {
        std::set<std::uint32_t> shared;
        std::ranges::set_intersection(a, b, std::inserter(shared, shared.end()));
        return shared;
    }

    std::set<std::uint32_t> FlatsOf(const GatheredHole& hole) const {
        const gp_Dir& axis = hole.axis.Direction();
        std::set<std::uint32_t> flats;
        for (const std::uint32_t face : hole.faces) {
            for (const FaceContact& contact : m_contacts.Of(face)) {
                const std::uint32_t next = contact.neighbour;
                if (m_part.faces[next].surface == SurfaceKind::Plane &&
                    !hole.faces.contains(next) &&
                    std::abs(std::abs(m_centres[next].normal.Dot(ToVec(axis.XYZ()))) - 1) <
                        kSquare) {
                    flats.insert(next);
                }
            }
        }
        return flats;
    }

    const BrepContacts& m_contacts;
    const Part& m_part;
    const RevolvedFaces& m_revolved;
    const std::vector<FaceCentre> m_centres = FaceCentres(m_part);
};

// Whether a face of the hole or around it covers the point: a bottom or a drill point.
bool Covered(const Vec3& point, const std::set<std::uint32_t>& near, const Part& part) {
    return std::ranges::any_of(part.triangles, [&](const PartTriangle& triangle) {
        if (!near.contains(triangle.face)) {
            return false;
        }
        const Vec3 nearest =
            NearestOnTriangle(point, part.vertices[triangle.vertex[0]],
                              part.vertices[triangle.vertex[1]], part.vertices[triangle.vertex[2]]);
        return (nearest - point).Length() < kOnAFace;
    });
}

class HoleMeasure {
public:
    HoleMeasure(const GatheredHole& hole, const BrepContacts& contacts, const Part& part,
                const RevolvedFaces& revolved)
        : m_hole(hole),
          m_contacts(contacts),
          m_part(part),
          m_revolved(revolved),
          m_span(SpanAlong(hole.axis, hole.faces, revolved)) {}

    PartHole Measured() const {
        const gp_Pnt origin = m_hole.axis.Location();
        const gp_XYZ direction = m_hole.axis.Direction().XYZ();
        PartHole measured;
        measured.face = *m_hole.faces.begin();
        measured.faceCount = static_cast<std::uint32_t>(m_hole.faces.size());
        measured.start = ToVec(origin.XYZ() + direction * m_span.low);
        measured.direction = ToVec(direction);
        measured.depth = m_span.high - m_span.low;
        const bool openLow = !Covered(measured.start, Around(), m_part);
        const bool openHigh =
            !Covered(ToVec(origin.XYZ() + direction * m_span.high), Around(), m_part);
        measured.through = openLow && openHigh ? 1 : 0;
        MeasureCylinders(measured);
        measured.entry = Entry(openLow, openHigh, measured);
        return measured;
    }

private:
    // The hole's faces and those they meet, where a bottom closing it lies.
    std::set<std::uint32_t> Around() const {
        std::set<std::uint32_t> around = m_hole.faces;
        for (const std::uint32_t face : m_hole.faces) {
            for (const FaceContact& contact : m_contacts.Of(face)) {
                around.insert(contact.neighbour);
            }
        }
        return around;
    }

    // The narrowest cylinder is the bore; a wider one is its counterbore, as deep as from the
    // hole's nearer end to that cylinder's far end.
    void MeasureCylinders(PartHole& measured) const {
        double narrowest = 1e300, widest = 0;
        for (const std::uint32_t face : m_hole.faces) {
            if (m_part.faces[face].surface == SurfaceKind::Cylinder) {
                narrowest = std::min(narrowest, m_part.faces[face].radius);
                widest = std::max(widest, m_part.faces[face].radius);
            }
        }
        measured.diameter = 2 * narrowest;
        if (widest - narrowest < kOnAFace) {
            return;
        }
        std::set<std::uint32_t> counterbore;
        std::ranges::copy_if(m_hole.faces, std::inserter(counterbore, counterbore.end()),
                             [&](std::uint32_t face) {
                                 return m_part.faces[face].surface == SurfaceKind::Cylinder &&
                                        std::abs(m_part.faces[face].radius - widest) < kOnAFace;
                             });
        const AxialSpan bore = SpanAlong(m_hole.axis, counterbore, m_revolved);
        measured.counterboreDiameter = 2 * widest;
        measured.counterboreDepth = bore.low - m_span.low < m_span.high - bore.high
                                        ? bore.high - m_span.low
                                        : m_span.high - bore.low;
    }

    // A cone of the hole that widens to an open end, wider than the hole's cylinders there.
    HoleEntry Entry(bool openLow, bool openHigh, const PartHole& measured) const {
        const double cylinder = std::max(measured.diameter, measured.counterboreDiameter);
        HoleEntry entry = HoleEntry::Plain;
        for (const std::uint32_t face : m_hole.faces) {
            if (m_part.faces[face].surface != SurfaceKind::Cone) {
                continue;
            }
            const AxialSpan cone = SpanAlong(m_hole.axis, {face}, m_revolved);
            const bool atAnOpenEnd = (openLow && std::abs(cone.widestAt - m_span.low) < kOnAFace) ||
                                     (openHigh && std::abs(cone.widestAt - m_span.high) < kOnAFace);
            const double rim = 2 * cone.widest;
            if (atAnOpenEnd && rim > cylinder + kOnAFace) {
                entry =
                    std::max(entry, rim >= kCountersinkWidening * cylinder ? HoleEntry::Countersink
                                                                           : HoleEntry::Chamfer);
            }
        }
        return entry;
    }

    const GatheredHole& m_hole;
    const BrepContacts& m_contacts;
    const Part& m_part;
    const RevolvedFaces& m_revolved;
    AxialSpan m_span;
};

}  // namespace

HoleFaces FindHoles(const TopTools_IndexedMapOfShape& faces, const BrepContacts& contacts,
                    Part& part) {
    const RevolvedFaces revolved(faces, contacts, part, RevolvedFaces::Bend::Concave);
    HoleFaces holeOf;
    for (const GatheredHole& hole : HoleGatherer(contacts, part, revolved).Holes()) {
        const std::uint32_t first = *hole.faces.begin();
        part.holes.push_back(HoleMeasure(hole, contacts, part, revolved).Measured());
        for (const std::uint32_t face : hole.faces) {
            part.faces[face].hole = true;
            holeOf.emplace(face, first);
        }
        // A counterbore's step is the hole's, though no face of the hole's own.
        std::set<std::uint32_t> listed = hole.faces;
        listed.insert(hole.steps.begin(), hole.steps.end());
        for (const std::uint32_t face : listed) {
            part.featureFaces.push_back({FeatureKind::Hole, first, face});
        }
    }
    return holeOf;
}

}  // namespace check
