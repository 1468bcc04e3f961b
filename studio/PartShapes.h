#pragma once

#include <AIS_ColoredShape.hxx>
#include <AIS_InteractiveObject.hxx>
#include <Bnd_Box.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <cstdint>
#include <vector>

#include "check/CheckReport.h"
#include "studio/FaceColours.h"

// The checked part as OpenCASCADE draws it, built from the checker's own triangles so that a
// STEP part and an STL are drawn alike: one face per face of the report, each coloured; the
// faces' outlines; and the pull direction as an arrow.
struct PartShapes {
    Handle(AIS_ColoredShape) faces;
    // The face shapes, index i holding the report's face faceNumbers[i - 1].
    TopTools_IndexedMapOfShape faceShapes;
    std::vector<std::uint32_t> faceNumbers;
    Handle(AIS_InteractiveObject) outlines;
    Handle(AIS_InteractiveObject) pullArrow;
    Bnd_Box box;
};

PartShapes BuildPartShapes(const check::CheckReport& report, const FaceColours& colours,
                           ColourBy by);

// Makes the faces' shape anew, every face in the colour colours gives it by this choice.
void Recolour(PartShapes& shapes, const FaceColours& colours, ColourBy by);
