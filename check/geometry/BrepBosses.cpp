#include "check/geometry/BrepBosses.h"

#include <BRepAdaptor_Surface.hxx>
#include <gp_Lin.hxx>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <set>

#include "check/geometry/BrepAxes.h"
#include "check/geometry/BrepRoots.h"
#include "check/geometry/SolidPart.h"

namespace check {
namespace {

// A boss stands on a wall whose normal lies within this of its axis, in degrees.
constexpr double kMostBaseTilt = 30;
// A hole this near the boss's axis, in millimetres, is its hole.
constexpr double kOnTheAxis = 1e-4;

Vec3 ToVec(const gp_XYZ& p) {
    return {p.X(), p.Y(), p.Z()};
}

double Degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}

// The wall the boss stands on and the smallest fillet along its root.
struct Root {
    std::uint32_t base = 0;
    double radius = 0;
};

class BossFinder {
public:
    BossFinder(const BrepContacts& contacts, const Part& part, const RevolvedFaces& revolved)
        : m_contacts(contacts), m_part(part), m_revolved(revolved) {}

    std::optional<PartBoss> Boss(const RevolvedFaces::Run& side) const {
        Vec3 axis = ToVec(side.axis.Direction().XYZ());
        const std::optional<Root> root = RootOf(side, axis);
        if (!root) {
            return std::nullopt;
        }
        const FaceCentre& base = m_centres[root->base];
        // Out of the base, towards the boss's top.
        if (axis.Dot(base.normal) < 0) {
            axis = -axis;
        }
        const Vec3 origin = ToVec(side.axis.Location().XYZ());
        PartBoss boss;
        boss.face = *side.faces.begin();
        boss.base = root->base;
        boss.direction = axis;
        boss.foot =
            origin + axis * ((base.centroid - origin).Dot(base.normal) / axis.Dot(base.normal));
        boss.rootRadius = root->radius;
        boss.height = Highest(side, boss);
        MeasureSide(side, boss);
        boss.innerDiameter = InnerDiameter(boss);
        return boss;
    }

    // Its outer side, root fillets and top.
    std::set<std::uint32_t> FacesOf(const RevolvedFaces::Run& side) const {
        std::set<std::uint32_t> faces = side.faces;
        for (const std::uint32_t face : side.faces) {
            faces.merge(RootFillets(face, m_contacts, m_part));
            faces.merge(TopsOf(face, m_contacts, m_part));
        }
        std::erase_if(faces, [&](std::uint32_t face) { return m_part.faces[face].hole; });
        return faces;
    }

private:
    // Of the flat faces the side meets at an inside corner, the one facing most nearly along the
    // axis, with the smallest fillet between them.
    std::optional<Root> RootOf(const RevolvedFaces::Run& side, const Vec3& axis) const {
        std::optional<Root> best;
        double bestFacing = std::cos(kMostBaseTilt * std::numbers::pi / 180);
        for (const std::uint32_t face : side.faces) {
            for (const auto& [base, radius] : RootsOf(face, m_contacts, m_part)) {
                const double facing = std::abs(m_centres[base].normal.Dot(axis));
                if (best && base == best->base) {
                    best->radius = std::min(best->radius, radius);
                } else if (facing > bestFacing) {
                    best = Root{base, radius};
                    bestFacing = facing;
                }
            }
        }
        return best;
    }

    // The highest point of its side and top above the base, along its axis.
    double Highest(const RevolvedFaces::Run& side, const PartBoss& boss) const {
        const std::set<std::uint32_t> faces = FacesOf(side);
        double highest = 0;
        for (const PartTriangle& triangle : m_part.triangles) {
            if (!faces.contains(triangle.face)) {
                continue;
            }
            for (const std::uint32_t v : triangle.vertex) {
                highest = std::max(highest, (m_part.vertices[v] - boss.foot).Dot(boss.direction));
            }
        }
        return highest;
    }

    // A cone's diameter where it meets the base's plane, and its lean to the axis.
    void MeasureSide(const RevolvedFaces::Run& side, PartBoss& boss) const {
        const BRepAdaptor_Surface surface(m_revolved.Face(boss.face));
        if (side.surface == SurfaceKind::Cylinder) {
            boss.outerDiameter = 2 * surface.Cylinder().Radius();
            return;
        }
        const gp_Cone cone = surface.Cone();
        const Vec3 coneAxis = ToVec(cone.Axis().Direction().XYZ());
        const double along = (boss.foot - ToVec(cone.Location().XYZ())).Dot(coneAxis);
        boss.outerDiameter = 2 * (cone.RefRadius() + along * std::tan(cone.SemiAngle()));
        // Widening along the cone's axis, it narrows up the boss where that axis points down.
        boss.draft = Degrees(cone.SemiAngle()) * (coneAxis.Dot(boss.direction) > 0 ? -1 : 1);
    }

    // The hole on its axis, narrower than it.
    double InnerDiameter(const PartBoss& boss) const {
        const gp_Lin axis(gp_Pnt(boss.foot.x, boss.foot.y, boss.foot.z),
                          gp_Dir(boss.direction.x, boss.direction.y, boss.direction.z));
        for (const PartHole& hole : m_part.holes) {
            const bool parallel = std::abs(std::abs(hole.direction.Dot(boss.direction)) - 1) < 1e-9;
            if (parallel && hole.diameter < boss.outerDiameter &&
                axis.Distance(gp_Pnt(hole.start.x, hole.start.y, hole.start.z)) < kOnTheAxis) {
                return hole.diameter;
            }
        }
        return 0;
    }

    const BrepContacts& m_contacts;
    const Part& m_part;
    const RevolvedFaces& m_revolved;
    const std::vector<FaceCentre> m_centres = FaceCentres(m_part);
};

}  // namespace

void FindBosses(const TopTools_IndexedMapOfShape& faces, const BrepContacts& contacts, Part& part) {
    const RevolvedFaces revolved(faces, contacts, part, RevolvedFaces::Bend::Convex);
    const BossFinder finder(contacts, part, revolved);
    for (const SurfaceKind surface : {SurfaceKind::Cylinder, SurfaceKind::Cone}) {
        for (const RevolvedFaces::Run& side : revolved.ClosedRuns(surface)) {
            const std::optional<PartBoss> boss = finder.Boss(side);
            if (!boss) {
                continue;
            }
            part.bosses.push_back(*boss);
            for (const std::uint32_t face : finder.FacesOf(side)) {
                part.featureFaces.push_back({FeatureKind::Boss, boss->face, face});
            }
        }
    }
}

}  // namespace check
