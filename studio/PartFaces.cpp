#include "studio/PartFaces.h"

#include <Graphic3d_Group.hxx>
#include <Prs3d_Presentation.hxx>
#include <Prs3d_ShadingAspect.hxx>
#include <Select3D_SensitivePrimitiveArray.hxx>
#include <SelectMgr_Selection.hxx>
#include <algorithm>
#include <cmath>
#include <map>

#include "studio/CoarseTriangles.h"
#include "studio/PartMarks.h"

namespace {

// The colour a selected face is drawn in.
const Quantity_Color kSelectedColour(Quantity_NOC_CYAN1);
constexpr int kSelectedPriority = 9;
// The coarse copy's grid: cells along the part's longest side.
constexpr int kCoarseCells = 96;

Handle(Graphic3d_AspectFillArea3d) FillAspect(const Quantity_Color& colour) {
    Handle(Prs3d_ShadingAspect) aspect = new Prs3d_ShadingAspect();
    // A material that takes the faces' colours, not its own.
    aspect->SetMaterial(Graphic3d_NameOfMaterial_Plastified);
    aspect->SetColor(colour);
    return aspect->Aspect();
}

// The faces a mesh's triangles name, counted from its first face; at least its listed faces.
std::size_t FacesOf(const check::SolidMesh& mesh) {
    std::size_t faces = mesh.faces.size();
    for (const std::uint32_t face : mesh.triangleFaces) {
        faces = std::max<std::size_t>(faces, face - mesh.firstFace);
    }
    return faces;
}

// How many corners a face's triangles have between them, without working out their normals.
// local is -1 for every corner before and after.
std::size_t CountCorners(const check::SolidMesh& mesh, const std::uint32_t* begin,
                         const std::uint32_t* end, std::vector<std::int32_t>& local,
                         std::vector<std::uint32_t>& counted) {
    counted.clear();
    for (const std::uint32_t* t = begin; t != end; ++t) {
        for (const std::uint32_t v : mesh.triangles[*t]) {
            if (local[v] < 0) {
                local[v] = 0;
                counted.push_back(v);
            }
        }
    }
    for (const std::uint32_t v : counted) {
        local[v] = -1;
    }
    return counted.size();
}

// One face's corners, numbered afresh from 0, and the normal at each: the sum of its
// triangles' normals weighted by their areas, as a curved face is shaded smoothly.
struct FaceCorners {
    std::vector<std::uint32_t> used;
    std::vector<gp_XYZ> normals;

    void Collect(const check::SolidMesh& mesh, const std::uint32_t* begin, const std::uint32_t* end,
                 std::vector<std::int32_t>& local) {
        used.clear();
        normals.clear();
        for (const std::uint32_t* t = begin; t != end; ++t) {
            const auto& corners = mesh.triangles[*t];
            const gp_XYZ a(mesh.vertices[corners[0]][0], mesh.vertices[corners[0]][1],
                           mesh.vertices[corners[0]][2]);
            const gp_XYZ b(mesh.vertices[corners[1]][0], mesh.vertices[corners[1]][1],
                           mesh.vertices[corners[1]][2]);
            const gp_XYZ c(mesh.vertices[corners[2]][0], mesh.vertices[corners[2]][1],
                           mesh.vertices[corners[2]][2]);
            const gp_XYZ normal = (b - a).Crossed(c - a);
            for (const std::uint32_t v : corners) {
                if (local[v] < 0) {
                    local[v] = static_cast<std::int32_t>(used.size());
                    used.push_back(v);
                    normals.emplace_back(0, 0, 0);
                }
                normals[static_cast<std::size_t>(local[v])] += normal;
            }
        }
    }
};

}  // namespace

// The triangles of one mesh ordered by face, and where each face's run starts: the faces of
// mesh.firstFace + 1 ... at runs 0, 1, ...
struct PartFaces::TrianglesByFace {
    std::vector<std::uint32_t> order;
    std::vector<std::size_t> start;  // one more than faces

    TrianglesByFace(const check::SolidMesh& mesh, std::size_t faces) : start(faces + 2, 0) {
        for (const std::uint32_t face : mesh.triangleFaces) {
            ++start[face - mesh.firstFace + 1];
        }
        for (std::size_t f = 1; f < start.size(); ++f) {
            start[f] += start[f - 1];
        }
        order.resize(mesh.triangles.size());
        std::vector<std::size_t> next(start.begin(), start.end() - 1);
        for (std::uint32_t t = 0; t < mesh.triangles.size(); ++t) {
            order[next[mesh.triangleFaces[t] - mesh.firstFace]++] = t;
        }
    }
};

PartFaces::PartFaces(const std::vector<check::SolidMesh>& meshes, const FaceColours& colours,
                     ColourBy by) {
    // A first pass counts each colour's corners and triangles, so that every array is made at
    // its size once; a second fills them.
    std::vector<TrianglesByFace> byFace;
    for (const check::SolidMesh& mesh : meshes) {
        byFace.emplace_back(mesh, FacesOf(mesh));
    }
    GroupFaces(meshes, byFace, colours, by);
    for (std::size_t m = 0; m < meshes.size(); ++m) {
        FillFaces(meshes[m], byFace[m]);
    }
    // Made with the rest, off the window's thread when the faces are, so that the first turn of
    // the view does not wait for it.
    if (Large()) {
        for (ColourGroup& group : m_groups) {
            group.coarse = CoarseTriangles(group.triangles, m_box, kCoarseCells);
        }
    }
    // The face picked is drawn over the part by HilightSelected, not the whole part.
    SetAutoHilight(false);
}

void PartFaces::GroupFaces(const std::vector<check::SolidMesh>& meshes,
                           const std::vector<TrianglesByFace>& byFace, const FaceColours& colours,
                           ColourBy by) {
    std::map<QRgb, std::size_t> groupOfColour;
    std::vector<std::pair<std::size_t, std::size_t>> sizes;  // corners, triangles
    std::vector<std::int32_t> local;
    std::vector<std::uint32_t> counted;
    for (std::size_t m = 0; m < meshes.size(); ++m) {
        const check::SolidMesh& mesh = meshes[m];
        const TrianglesByFace& runs = byFace[m];
        const std::size_t faces = runs.start.size() - 2;
        local.assign(mesh.vertices.size(), -1);
        for (std::size_t f = 0; f < faces; ++f) {
            if (runs.start[f + 1] == runs.start[f + 2]) {
                continue;
            }
            const auto face = static_cast<std::uint32_t>(mesh.firstFace + f + 1);
            const QRgb colour = colours.Colour(face, by).rgb();
            const auto [group, added] = groupOfColour.try_emplace(colour, sizes.size());
            if (added) {
                sizes.emplace_back(0, 0);
                m_groups.push_back({OcctColour(QColor::fromRgb(colour)), nullptr, nullptr});
            }
            sizes[group->second].first +=
                CountCorners(mesh, &runs.order[runs.start[f + 1]], &runs.order[runs.start[f + 2]],
                             local, counted);
            sizes[group->second].second += runs.start[f + 2] - runs.start[f + 1];
            m_triangles += runs.start[f + 2] - runs.start[f + 1];
            if (m_faces.size() <= face) {
                m_faces.resize(face + 1);
            }
            m_faces[face].face = face;
            m_faces[face].group = group->second;
        }
    }
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        m_groups[g].triangles = new Graphic3d_ArrayOfTriangles(
            static_cast<int>(sizes[g].first), static_cast<int>(sizes[g].second * 3),
            Graphic3d_ArrayFlags_VertexNormal);
    }
}

void PartFaces::FillFaces(const check::SolidMesh& mesh, const TrianglesByFace& runs) {
    std::vector<std::int32_t> local(mesh.vertices.size(), -1);
    FaceCorners corners;
    for (std::size_t f = 0; f + 2 < runs.start.size(); ++f) {
        if (runs.start[f + 1] == runs.start[f + 2]) {
            continue;
        }
        FaceRange& range = m_faces[mesh.firstFace + f + 1];
        const Handle(Graphic3d_ArrayOfTriangles)& array = m_groups[range.group].triangles;
        corners.Collect(mesh, &runs.order[runs.start[f + 1]], &runs.order[runs.start[f + 2]],
                        local);
        const int base = array->VertexNumber();
        for (std::size_t n = 0; n < corners.used.size(); ++n) {
            const check::Point& p = mesh.vertices[corners.used[n]];
            const gp_XYZ& normal = corners.normals[n];
            const double length = normal.Modulus();
            const gp_XYZ unit = length > 0 ? normal / length : gp_XYZ(0, 0, 1);
            array->AddVertex(p[0], p[1], p[2], unit.X(), unit.Y(), unit.Z());
            range.box.Add(gp_Pnt(p[0], p[1], p[2]));
        }
        range.firstIndex = array->EdgeNumber();
        for (std::size_t t = runs.start[f + 1]; t < runs.start[f + 2]; ++t) {
            const auto& c = mesh.triangles[runs.order[t]];
            array->AddEdges(base + local[c[0]] + 1, base + local[c[1]] + 1, base + local[c[2]] + 1);
        }
        range.lastIndex = array->EdgeNumber() - 1;
        for (const std::uint32_t v : corners.used) {
            local[v] = -1;
        }
        m_box.Add(range.box);
    }
}

const PartFaces::FaceRange* PartFaces::RangeOf(std::uint32_t face) const {
    return face != 0 && face < m_faces.size() && m_faces[face].face == face ? &m_faces[face]
                                                                            : nullptr;
}

std::optional<Bnd_Box> PartFaces::FaceBox(std::uint32_t face) const {
    const FaceRange* range = RangeOf(face);
    return range ? std::optional<Bnd_Box>(range->box) : std::nullopt;
}

Handle(Graphic3d_ArrayOfTriangles) PartFaces::FaceTriangles(std::uint32_t face) const {
    const FaceRange* range = RangeOf(face);
    if (!range) {
        return nullptr;
    }
    const Handle(Graphic3d_ArrayOfTriangles)& from = m_groups[range->group].triangles;
    Handle(Graphic3d_ArrayOfTriangles) triangles = new Graphic3d_ArrayOfTriangles(
        range->lastIndex - range->firstIndex + 1, 0, Graphic3d_ArrayFlags_VertexNormal);
    for (int i = range->firstIndex; i <= range->lastIndex; ++i) {
        const int vertex = from->Edge(i + 1);
        triangles->AddVertex(from->Vertice(vertex), from->VertexNormal(vertex));
    }
    return triangles;
}

void PartFaces::Compute(const Handle(PrsMgr_PresentationManager) &,
                        const Handle(Prs3d_Presentation) & presentation,
                        const Standard_Integer mode) {
    for (const ColourGroup& group : m_groups) {
        const Handle(Graphic3d_Group) drawn = presentation->NewGroup();
        drawn->SetGroupPrimitivesAspect(FillAspect(group.colour));
        drawn->AddPrimitiveArray(mode == kCoarse && !group.coarse.IsNull() ? group.coarse
                                                                           : group.triangles);
    }
}

void PartFaces::ComputeSelection(const Handle(SelectMgr_Selection) & selection,
                                 const Standard_Integer mode) {
    if (mode != 0) {
        return;
    }
    for (const FaceRange& range : m_faces) {
        if (range.face == 0) {
            continue;
        }
        Handle(Select3D_SensitivePrimitiveArray) sensitive =
            new Select3D_SensitivePrimitiveArray(new FaceOwner(this, range.face));
        const Handle(Graphic3d_ArrayOfTriangles)& array = m_groups[range.group].triangles;
        sensitive->InitTriangulation(array->Attributes(), array->Indices(), TopLoc_Location(),
                                     range.firstIndex, range.lastIndex);
        selection->Add(sensitive);
    }
}

void PartFaces::HilightSelected(const Handle(PrsMgr_PresentationManager) & manager,
                                const SelectMgr_SequenceOfOwner& owners) {
    const Handle(Prs3d_Presentation) presentation = GetSelectPresentation(manager);
    presentation->Clear();
    for (const Handle(SelectMgr_EntityOwner) & owner : owners) {
        const Handle(FaceOwner) face = Handle(FaceOwner)::DownCast(owner);
        if (const Handle(Graphic3d_ArrayOfTriangles) triangles =
                face.IsNull() ? nullptr : FaceTriangles(face->Face());
            !triangles.IsNull()) {
            const Handle(Graphic3d_Group) group = presentation->NewGroup();
            Handle(Graphic3d_AspectFillArea3d) aspect = FillAspect(kSelectedColour);
            // Drawn in front of the face it covers, which is pushed back a little.
            aspect->SetPolygonOffsets(Aspect_POM_Fill, 0.0f, 0.0f);
            group->SetGroupPrimitivesAspect(aspect);
            group->AddPrimitiveArray(triangles);
        }
    }
    // Above the faces, as the context draws what it highlights.
    presentation->SetDisplayPriority(kSelectedPriority);
    presentation->Display();
}

void PartFaces::HilightOwnerWithColor(const Handle(PrsMgr_PresentationManager) &,
                                      const Handle(Prs3d_Drawer) &,
                                      const Handle(SelectMgr_EntityOwner) &) {
    // A face under the pointer is not marked: the view marks the face clicked only.
}

void PartFaces::ClearSelected() {
    if (!mySelectionPrs.IsNull()) {
        mySelectionPrs->Clear();
    }
}
