#include "check/geometry/BrepRibs.h"

#include "check/geometry/BrepRoots.h"
#include "check/geometry/SolidPart.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace check {
namespace {

// A rib's two sides are opposite within the sum of their drafts, each at most this.
constexpr double kMostSideDraft = 15;
// Two faces lie on one plane where their normals and their distance agree within this (relative
// to the face's size, or absolute below one).
constexpr double kSamePlane = 1e-6;
// A rib's top faces within this of the normal of the face it stands on; its ends do not.
constexpr double kMostTopTilt = 60;

double Degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}

double Cosine(double degrees) {
    return std::cos(degrees * std::numbers::pi / 180);
}

double HighestAbove(const Part& part, std::uint32_t face, const FaceCentre& base) {
    double highest = 0;
    for (const PartTriangle& triangle : part.triangles) {
        if (triangle.face != face) {
            continue;
        }
        for (const std::uint32_t v : triangle.vertex) {
            highest = std::max(highest, (part.vertices[v] - base.centroid).Dot(base.normal));
        }
    }
    return highest;
}

class RibFinder {
public:
    RibFinder(const BrepContacts& contacts, const Part& part)
        : m_contacts(contacts), m_part(part), m_planes(FaceCentres(part)) {}

    // The rib whose sides are these, standing below that top, if they make one.
    std::optional<PartRib> Rib(std::uint32_t a, std::uint32_t b, std::uint32_t top) const {
        const FaceCentre& pa = m_planes[a];
        const FaceCentre& pb = m_planes[b];
        const bool opposite = pa.normal.Dot(pb.normal) < -Cosine(2 * kMostSideDraft);
        // Across its middle plane, whatever the sides' drafts.
        const Vec3 middle = (pa.normal - pb.normal).Normalized();
        const double across = (pa.centroid - pb.centroid).Dot(middle);
        if (!opposite || !(across > 0)) {
            return std::nullopt;
        }
        const std::optional<std::pair<std::uint32_t, double>> root = Root(a, b, top);
        if (!root) {
            return std::nullopt;
        }
        const FaceCentre& base = m_planes[root->first];
        PartRib rib{a, b, root->first, top, across, HighestAbove(m_part, top, base), root->second};
        if (!(rib.thickness < rib.height)) {
            return std::nullopt;
        }
        rib.draft = Degrees(std::min(std::asin(std::clamp(pa.normal.Dot(base.normal), -1.0, 1.0)),
                                     std::asin(std::clamp(pb.normal.Dot(base.normal), -1.0, 1.0))));
        rib.angle = Degrees(std::acos(std::min(1.0, std::abs(middle.Dot(base.normal)))));
        return rib;
    }

private:
    // The face both sides stand on, with the smaller of their root fillets: of the faces both
    // meet at an inside corner (a rib's ends may meet walls too), the one facing most nearly as
    // its top does.
    std::optional<std::pair<std::uint32_t, double>> Root(std::uint32_t a, std::uint32_t b,
                                                         std::uint32_t top) const {
        const std::map<std::uint32_t, double> rootsA = RootsOf(a, m_contacts, m_part);
        const std::map<std::uint32_t, double> rootsB = RootsOf(b, m_contacts, m_part);
        std::optional<std::pair<std::uint32_t, double>> best;
        double bestFacing = Cosine(kMostTopTilt);
        for (const auto& [base, radius] : rootsA) {
            const double facing = m_planes[base].normal.Dot(m_planes[top].normal);
            if (base == top || !(facing > bestFacing)) {
                continue;
            }
            for (const auto& [otherBase, otherRadius] : rootsB) {
                if (OnOnePlane(base, otherBase)) {
                    best = std::pair{base, std::min(radius, otherRadius)};
                    bestFacing = facing;
                }
            }
        }
        return best;
    }

    // A rib across a wall splits it in two faces, one on each side.
    bool OnOnePlane(std::uint32_t a, std::uint32_t b) const {
        const FaceCentre& pa = m_planes[a];
        const FaceCentre& pb = m_planes[b];
        return a == b || (pa.normal.Dot(pb.normal) > 1 - kSamePlane &&
                          std::abs((pb.centroid - pa.centroid).Dot(pa.normal)) <
                              kSamePlane * std::max(1.0, m_part.faces[a].extent));
    }

    const BrepContacts& m_contacts;
    const Part& m_part;
    std::vector<FaceCentre> m_planes;  // a flat face's centre and normal: its plane
};

// The rib's sides, top and root fillets, as the rib's faces.
void ListFaces(const PartRib& rib, const BrepContacts& contacts, Part& part) {
    std::set<std::uint32_t> faces{rib.side, rib.otherSide, rib.top};
    for (const std::uint32_t side : {rib.side, rib.otherSide}) {
        faces.merge(RootFillets(side, contacts, part));
    }
    for (const std::uint32_t face : faces) {
        part.featureFaces.push_back({FeatureKind::Rib, rib.side, face});
    }
}

}  // namespace

void FindRibs(const BrepContacts& contacts, Part& part) {
    // Each top with the flat sides that reach it.
    std::map<std::uint32_t, std::vector<std::uint32_t>> sidesOf;
    for (std::uint32_t f = 0; f < part.faces.size(); ++f) {
        if (FlatFace(part, f) && !part.faces[f].blend && !part.faces[f].round) {
            for (const std::uint32_t top : TopsOf(f, contacts, part)) {
                sidesOf[top].push_back(f);
            }
        }
    }
    const RibFinder finder(contacts, part);
    std::set<std::pair<std::uint32_t, std::uint32_t>> found;
    for (const auto& [top, sides] : sidesOf) {
        for (std::size_t i = 0; i < sides.size(); ++i) {
            for (std::size_t j = i + 1; j < sides.size(); ++j) {
                if (found.contains({sides[i], sides[j]})) {
                    continue;
                }
                if (const std::optional<PartRib> rib = finder.Rib(sides[i], sides[j], top)) {
                    found.insert({sides[i], sides[j]});
                    part.ribs.push_back(*rib);
                    ListFaces(*rib, contacts, part);
                }
            }
        }
    }
}

}  // namespace check
