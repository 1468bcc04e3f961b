#pragma once

#include <AIS_InteractiveObject.hxx>
#include <Bnd_Box.hxx>
#include <Graphic3d_ArrayOfTriangles.hxx>
#include <SelectMgr_EntityOwner.hxx>
#include <cstdint>
#include <optional>
#include <vector>

#include "check/CheckReport.h"
#include "studio/FaceColours.h"

// The checker's triangles drawn as one primitive array per colour, so that a part of a million
// triangles costs a few draw calls; each face is still picked on its own, by the part of its
// colour's array that holds its triangles.
class PartFaces : public AIS_InteractiveObject {
    DEFINE_STANDARD_RTTI_INLINE(PartFaces, AIS_InteractiveObject)

public:
    // Drawn as the checker meshed it, or coarse while the view moves.
    static constexpr int kFine = 0;
    static constexpr int kCoarse = 1;

    PartFaces(const std::vector<check::SolidMesh>& meshes, const FaceColours& colours, ColourBy by);

    Standard_Boolean AcceptDisplayMode(const Standard_Integer mode) const override {
        return mode == kFine || mode == kCoarse;
    }

    // Enough triangles that the view turns slowly unless drawn coarse while it moves.
    bool Large() const { return m_triangles > kLargePart; }

    // The box of the face's triangles; none when the part has no such face.
    std::optional<Bnd_Box> FaceBox(std::uint32_t face) const;
    // The face's triangles alone, for marking it; null when the part has no such face.
    Handle(Graphic3d_ArrayOfTriangles) FaceTriangles(std::uint32_t face) const;
    const Bnd_Box& Box() const { return m_box; }

    void HilightSelected(const Handle(PrsMgr_PresentationManager) & manager,
                         const SelectMgr_SequenceOfOwner& owners) override;
    void ClearSelected() override;
    void HilightOwnerWithColor(const Handle(PrsMgr_PresentationManager) & manager,
                               const Handle(Prs3d_Drawer) & style,
                               const Handle(SelectMgr_EntityOwner) & owner) override;

private:
    static constexpr std::size_t kLargePart = 300'000;

    // The triangles of one colour, face after face, and the coarse copy of a large part's.
    struct ColourGroup {
        Quantity_Color colour;
        Handle(Graphic3d_ArrayOfTriangles) triangles;
        Handle(Graphic3d_ArrayOfTriangles) coarse;
    };
    // Where a face's triangles are: their group and their corners' range in its index list.
    struct FaceRange {
        std::uint32_t face = 0;
        std::size_t group = 0;
        int firstIndex = 0;
        int lastIndex = -1;
        Bnd_Box box;
    };

    struct TrianglesByFace;

    // Finds each face's colour group and makes the groups' arrays.
    void GroupFaces(const std::vector<check::SolidMesh>& meshes,
                    const std::vector<TrianglesByFace>& byFace, const FaceColours& colours,
                    ColourBy by);
    // Adds the mesh's faces to their groups' arrays.
    void FillFaces(const check::SolidMesh& mesh, const TrianglesByFace& runs);
    void Compute(const Handle(PrsMgr_PresentationManager) & manager,
                 const Handle(Prs3d_Presentation) & presentation,
                 const Standard_Integer mode) override;
    void ComputeSelection(const Handle(SelectMgr_Selection) & selection,
                          const Standard_Integer mode) override;
    const FaceRange* RangeOf(std::uint32_t face) const;

    std::vector<ColourGroup> m_groups;
    std::vector<FaceRange> m_faces;  // by face number
    Bnd_Box m_box;
    std::size_t m_triangles = 0;
};

// What picking a face of PartFaces yields.
class FaceOwner : public SelectMgr_EntityOwner {
    DEFINE_STANDARD_RTTI_INLINE(FaceOwner, SelectMgr_EntityOwner)

public:
    FaceOwner(const Handle(SelectMgr_SelectableObject) & faces, std::uint32_t face)
        : SelectMgr_EntityOwner(faces), m_face(face) {}

    std::uint32_t Face() const { return m_face; }

private:
    std::uint32_t m_face;
};
