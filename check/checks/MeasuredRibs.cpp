#include "check/checks/MeasuredRibs.h"

#include <fmt/format.h>

#include <cmath>

#include "check/geometry/FaceThickness.h"

namespace check {

MeasuredRibs MeasuredRibs::Of(CheckContext& context) {
    const Part& part = context.GetPart();
    MeasuredRibs measured;
    if (part.ribs.empty()) {
        return measured;
    }
    const FaceThickness faces(part, context.Samples(), context.Thickness());
    for (const PartRib& rib : part.ribs) {
        if (!faces.Measured(rib.base)) {
            ++measured.wallsNotMeasured;
        } else if (rib.thickness < faces.Typical(rib.base)) {
            measured.ribs.push_back({&rib, faces.Typical(rib.base)});
        }
    }
    return measured;
}

std::string OnAWall(double wall) {
    return fmt::format("rib on a wall {:g} thick", std::round(wall * 1000) / 1000);
}

}  // namespace check
