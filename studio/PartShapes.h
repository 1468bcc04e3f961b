#pragma once

#include <AIS_InteractiveObject.hxx>

#include "check/CheckReport.h"
#include "studio/FaceColours.h"
#include "studio/PartFaces.h"

// The checked part as OpenCASCADE draws it, built from the checker's own triangles so that a
// STEP part and an STL are drawn alike: its faces, each coloured; the faces' outlines; the pull
// direction as an arrow; and the parting line, shown with the mould halves' tints.
struct PartShapes {
    Handle(PartFaces) faces;
    Handle(AIS_InteractiveObject) outlines;
    Handle(AIS_InteractiveObject) partingLine;
    Handle(AIS_InteractiveObject) pullArrow;
};

PartShapes BuildPartShapes(const check::CheckReport& report, const FaceColours& colours,
                           ColourBy by);
