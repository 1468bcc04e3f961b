#include "check/ReportPartingLine.h"

#include <algorithm>
#include <optional>

#include "check/geometry/PartingLine.h"
#include "check/geometry/SolidPart.h"

namespace check {
namespace {

// The faces numbered from 1 after the solids before, where the part has faces of surfaces.
PartingPolyline InUnits(const PartingCurve& curve, std::optional<std::uint32_t> firstFace,
                        const DocumentUnits& units) {
    PartingPolyline line;
    if (firstFace) {
        line.cavityFace = curve.cavityFace + *firstFace + 1;
        line.coreFace = curve.coreFace + *firstFace + 1;
    }
    line.edge = curve.edge ? *curve.edge + 1 : 0;
    line.closed = curve.closed;
    line.length = units.LengthFromMillimetres(curve.length);
    line.points.reserve(curve.points.size());
    for (const Vec3& p : curve.points) {
        line.points.push_back({units.LengthFromMillimetres(p.x), units.LengthFromMillimetres(p.y),
                               units.LengthFromMillimetres(p.z)});
    }
    return line;
}

}  // namespace

PartingLineReport ReportPartingLine(const Part& solid, const TriangleAdjacency& adjacency,
                                    const std::vector<FaceSides>& sides, const Vec3& pull,
                                    std::uint32_t firstFace, const DocumentUnits& units) {
    std::vector<PartingCurve> curves = PartingLine(solid, adjacency, sides, pull).Curves();
    std::ranges::stable_sort(curves, std::ranges::greater{}, &PartingCurve::length);
    const auto [low, high] = Bounds(solid);
    const double tolerance = (high - low).Length() * kMeshChordShare;
    PartingLineReport report;
    report.count = curves.size();
    std::size_t points = 0;
    bool listing = true;
    for (const PartingCurve& curve : curves) {
        report.length += units.LengthFromMillimetres(curve.length);
        if (!listing) {
            continue;
        }
        const PartingCurve thinned = PartingLine::Simplified(curve, tolerance);
        listing = points + thinned.points.size() <= PartingLineReport::kMostPoints;
        if (listing) {
            points += thinned.points.size();
            report.lines.push_back(InUnits(
                thinned, solid.hasSurfaces ? std::optional(firstFace) : std::nullopt, units));
        }
    }
    return report;
}

}  // namespace check
