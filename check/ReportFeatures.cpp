#include "check/ReportFeatures.h"

#include <map>
#include <utility>

namespace check {
namespace {

std::array<double, 3> Direction(const Vec3& v) {
    return {v.x, v.y, v.z};
}

// Each feature's faces, by the kind and first face that name the feature.
using FacesOf = std::map<std::pair<FeatureKind, std::uint32_t>, std::vector<std::uint32_t>>;

FacesOf ListedFaces(const Part& solid, std::uint32_t firstFace) {
    FacesOf listed;
    for (const FeatureFace& face : solid.featureFaces) {
        listed[{face.kind, face.feature}].push_back(face.face + firstFace + 1);
    }
    return listed;
}

const char* EntryName(HoleEntry entry) {
    switch (entry) {
        case HoleEntry::Chamfer:
            return "chamfer";
        case HoleEntry::Countersink:
            return "countersink";
        case HoleEntry::Plain:
            break;
    }
    return "";
}

}  // namespace

std::optional<SolidFeatures> ReportFeatures(const Part& solid, std::uint32_t firstFace,
                                            const DocumentUnits& units) {
    if (!solid.hasSurfaces) {
        return std::nullopt;
    }
    const auto length = [&](double millimetres) {
        return units.LengthFromMillimetres(millimetres);
    };
    const auto point = [&](const Vec3& v) {
        return std::array<double, 3>{length(v.x), length(v.y), length(v.z)};
    };
    FacesOf listed = ListedFaces(solid, firstFace);
    SolidFeatures features;
    for (const PartHole& hole : solid.holes) {
        features.holes.push_back({std::move(listed[{FeatureKind::Hole, hole.face}]),
                                  point(hole.start), Direction(hole.direction),
                                  length(hole.diameter), length(hole.depth),
                                  length(hole.counterboreDiameter), length(hole.counterboreDepth),
                                  hole.through != 0, EntryName(hole.entry)});
    }
    for (const PartRib& rib : solid.ribs) {
        features.ribs.push_back({std::move(listed[{FeatureKind::Rib, rib.side}]),
                                 length(rib.thickness), length(rib.height), length(rib.rootRadius),
                                 rib.draft});
    }
    for (const PartBoss& boss : solid.bosses) {
        features.bosses.push_back(
            {std::move(listed[{FeatureKind::Boss, boss.face}]), boss.base + firstFace + 1,
             point(boss.foot), Direction(boss.direction), length(boss.outerDiameter),
             length(boss.innerDiameter), length(boss.height), length(boss.rootRadius), boss.draft});
    }
    return features;
}

}  // namespace check
