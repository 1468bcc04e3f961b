#pragma once

#include <AIS_InteractiveObject.hxx>
#include <Bnd_Box.hxx>
#include <Graphic3d_ArrayOfSegments.hxx>
#include <QColor>
#include <gp_Dir.hxx>

#include "check/CheckReport.h"
#include "studio/FaceColours.h"

Quantity_Color OcctColour(const QColor& colour);

// Drawn over the faces and never picked: each face's outline (the edges between its triangles
// and another face's, or none), undercut faces' outlines wide and bright.
class PartOutlines : public AIS_InteractiveObject {
    DEFINE_STANDARD_RTTI_INLINE(PartOutlines, AIS_InteractiveObject)

public:
    PartOutlines(const std::vector<check::SolidMesh>& meshes, const FaceColours& colours);

    Standard_Boolean AcceptDisplayMode(const Standard_Integer mode) const override {
        return mode == 0;
    }

    int OutlineSegments() const { return m_outlines->VertexNumber() / 2; }
    int UndercutSegments() const { return m_undercuts->VertexNumber() / 2; }

private:
    void Compute(const Handle(PrsMgr_PresentationManager) & manager,
                 const Handle(Prs3d_Presentation) & presentation,
                 const Standard_Integer mode) override;
    void ComputeSelection(const Handle(SelectMgr_Selection) &, const Standard_Integer) override {}

    Handle(Graphic3d_ArrayOfSegments) m_outlines;
    Handle(Graphic3d_ArrayOfSegments) m_undercuts;
};

// Drawn over the faces and never picked: the parting line of every solid as the report gives
// it, wide, in its legend colour.
class PartingLines : public AIS_InteractiveObject {
    DEFINE_STANDARD_RTTI_INLINE(PartingLines, AIS_InteractiveObject)

public:
    explicit PartingLines(const check::CheckReport& report);

    Standard_Boolean AcceptDisplayMode(const Standard_Integer mode) const override {
        return mode == 0;
    }
    // The segments drawn.
    int Segments() const { return m_lines->VertexNumber() / 2; }

private:
    void Compute(const Handle(PrsMgr_PresentationManager) & manager,
                 const Handle(Prs3d_Presentation) & presentation,
                 const Standard_Integer mode) override;
    void ComputeSelection(const Handle(SelectMgr_Selection) &, const Standard_Integer) override {}

    Handle(Graphic3d_ArrayOfSegments) m_lines;
};

// The direction the cavity draws along, an arrow rising from above the part's middle.
class PullArrow : public AIS_InteractiveObject {
    DEFINE_STANDARD_RTTI_INLINE(PullArrow, AIS_InteractiveObject)

public:
    PullArrow(const Bnd_Box& part, const gp_Dir& pull);

    Standard_Boolean AcceptDisplayMode(const Standard_Integer mode) const override {
        return mode == 0;
    }

private:
    void Compute(const Handle(PrsMgr_PresentationManager) & manager,
                 const Handle(Prs3d_Presentation) & presentation,
                 const Standard_Integer mode) override;
    void ComputeSelection(const Handle(SelectMgr_Selection) &, const Standard_Integer) override {}

    Bnd_Box m_part;
    gp_Dir m_pull;
};
