#include "check/geometry/BrepRoots.h"

#include <algorithm>

namespace check {
namespace {

// Calls found with each fillet tangent to the side and each flat face tangent to it beyond.
template <typename Found>
void ForEachRootFillet(std::uint32_t side, const BrepContacts& contacts, const Part& part,
                       Found found) {
    for (const FaceContact& contact : contacts.Of(side)) {
        const std::uint32_t fillet = contact.neighbour;
        if (!part.faces[fillet].blend || contact.normalAngle >= kTangentDegrees) {
            continue;
        }
        for (const FaceContact& beyond : contacts.Of(fillet)) {
            if (beyond.neighbour != side && beyond.normalAngle < kTangentDegrees &&
                FlatFace(part, beyond.neighbour)) {
                found(fillet, beyond.neighbour);
            }
        }
    }
}

}  // namespace

bool FlatFace(const Part& part, std::uint32_t face) {
    const PartFace& described = part.faces[face];
    return described.surface == SurfaceKind::Plane && !described.hole;
}

std::set<std::uint32_t> TopsOf(std::uint32_t side, const BrepContacts& contacts, const Part& part) {
    std::set<std::uint32_t> tops;
    for (const FaceContact& contact : contacts.Of(side)) {
        if (contact.concave || part.faces[contact.neighbour].blend) {
            continue;
        }
        tops.insert(contact.neighbour);
        if (!part.faces[contact.neighbour].round) {
            continue;
        }
        for (const FaceContact& beyond : contacts.Of(contact.neighbour)) {
            if (!beyond.concave && beyond.neighbour != side) {
                tops.insert(beyond.neighbour);
            }
        }
    }
    return tops;
}

std::map<std::uint32_t, double> RootsOf(std::uint32_t side, const BrepContacts& contacts,
                                        const Part& part) {
    std::map<std::uint32_t, double> roots;
    const auto add = [&](std::uint32_t base, double radius) {
        const auto [it, added] = roots.emplace(base, radius);
        it->second = std::min(it->second, radius);
    };
    for (const FaceContact& contact : contacts.Of(side)) {
        if (contact.concave && contact.normalAngle >= kTangentDegrees &&
            FlatFace(part, contact.neighbour)) {
            add(contact.neighbour, 0);
        }
    }
    ForEachRootFillet(side, contacts, part, [&](std::uint32_t fillet, std::uint32_t base) {
        add(base, part.faces[fillet].radius);
    });
    return roots;
}

std::set<std::uint32_t> RootFillets(std::uint32_t side, const BrepContacts& contacts,
                                    const Part& part) {
    std::set<std::uint32_t> fillets;
    ForEachRootFillet(side, contacts, part,
                      [&](std::uint32_t fillet, std::uint32_t) { fillets.insert(fillet); });
    return fillets;
}

}  // namespace check
