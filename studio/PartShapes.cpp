#include "studio/PartShapes.h"

#include "studio/PartMarks.h"

PartShapes BuildPartShapes(const check::CheckReport& report, const FaceColours& colours,
                           ColourBy by) {
    PartShapes shapes;
    shapes.faces = new PartFaces(report.meshes, colours, by);
    shapes.outlines = new PartOutlines(report, colours);
    shapes.partingLine = new PartingLines(report);
    const check::Point& pull = report.pull;
    shapes.pullArrow = new PullArrow(shapes.faces->Box(), gp_Dir(pull[0], pull[1], pull[2]));
    return shapes;
}
