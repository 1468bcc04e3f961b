#pragma once

#include <AIS_InteractiveObject.hxx>
#include <memory>
#include <vector>

#include "check/CheckReport.h"
#include "studio/FaceColours.h"
#include "studio/PartFaces.h"

// The checked part as OpenCASCADE draws it, built from the checker's own triangles so that a
// STEP part and an STL are drawn alike: its faces, each coloured; the faces' outlines; the pull
// direction as an arrow; and the parting line, shown with the mould halves' tints. None of it
// touches a viewer until it is displayed, so it may be built on any thread: a large part's arrays
// take long enough to build that a check builds them beside itself rather than on the window's
// thread.
struct PartShapes {
    // The meshes and colours the faces were built from, to colour them again.
    std::shared_ptr<const std::vector<check::SolidMesh>> meshes;
    std::shared_ptr<const FaceColours> colours;
    ColourBy colouredBy = ColourBy::Findings;
    Handle(PartFaces) faces;
    Handle(AIS_InteractiveObject) outlines;
    Handle(AIS_InteractiveObject) partingLine;
    Handle(AIS_InteractiveObject) pullArrow;
};

// The shapes of the report's part, from its findings and its meshes (moved in, or a copy), with
// the faces' picking already worked out.
PartShapes BuildPartShapes(const check::CheckReport& report, std::vector<check::SolidMesh> meshes,
                           ColourBy by);
