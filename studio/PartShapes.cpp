#include "studio/PartShapes.h"

#include "studio/PartMarks.h"

PartShapes BuildPartShapes(const check::CheckReport& report, std::vector<check::SolidMesh> meshes,
                           ColourBy by) {
    PartShapes shapes;
    shapes.meshes = std::make_shared<const std::vector<check::SolidMesh>>(std::move(meshes));
    shapes.colours = std::make_shared<const FaceColours>(report.rules, *shapes.meshes);
    shapes.colouredBy = by;
    shapes.faces = new PartFaces(*shapes.meshes, *shapes.colours, by);
    // Picking faces (selection mode 0) worked out here, where it costs the window nothing: the
    // context finds it made and does not make it again on display.
    shapes.faces->RecomputePrimitives(0);
    shapes.outlines = new PartOutlines(*shapes.meshes, *shapes.colours);
    shapes.partingLine = new PartingLines(report);
    const check::Point& pull = report.pull;
    shapes.pullArrow = new PullArrow(shapes.faces->Box(), gp_Dir(pull[0], pull[1], pull[2]));
    return shapes;
}
