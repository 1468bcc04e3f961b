#include "check/geometry/BrepPart.h"

#include <fmt/format.h>
#include <BRepAdaptor_Surface.hxx>
#include <BRepBndLib.hxx>
#include <BRepExtrema_DistShapeShape.hxx>
#include <BRepGProp_Face.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <BRepTools.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <Poly_PolygonOnTriangulation.hxx>
#include <Poly_Triangulation.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedDataMapOfShapeListOfShape.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Edge.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Wire.hxx>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "check/CheckError.h"
#include "check/geometry/BrepBlends.h"
#include "check/geometry/BrepBosses.h"
#include "check/geometry/BrepHoles.h"
#include "check/geometry/BrepRibs.h"
#include "check/geometry/BrepSolids.h"

namespace check {
namespace {

// The largest angle between the normals of neighbouring mesh nodes: with the chord deviation
// (kMeshChordShare), fine enough for sampling drafts of a tenth of a degree.
constexpr double kAngularDeflection = 0.3;
// Coarser meshes tried when the fine one has too many triangles.
constexpr int kCoarserMeshAttempts = 3;

Vec3 ToVec(const gp_XYZ& p) {
    return {p.X(), p.Y(), p.Z()};
}

double Diagonal(const TopoDS_Shape& shape) {
    Bnd_Box box;
    BRepBndLib::Add(shape, box);
    return box.IsVoid() ? 0.0 : std::sqrt(box.SquareExtent());
}

std::size_t TriangleCount(const TopTools_IndexedMapOfShape& faces) {
    std::size_t count = 0;
    for (int i = 1; i <= faces.Extent(); ++i) {
        TopLoc_Location location;
        const Handle(Poly_Triangulation) mesh =
            BRep_Tool::Triangulation(TopoDS::Face(faces(i)), location);
        count += mesh.IsNull() ? 0 : static_cast<std::size_t>(mesh->NbTriangles());
    }
    return count;
}

void Mesh(const TopoDS_Shape& shape, const TopTools_IndexedMapOfShape& faces,
          std::size_t maxTriangles) {
    const double diagonal = Diagonal(shape);
    if (!(diagonal > 0) || !std::isfinite(diagonal)) {
        throw CheckError("the part has no extent");
    }
    double deflection = diagonal * kMeshChordShare;
    for (int attempt = 0; attempt <= kCoarserMeshAttempts; ++attempt) {
        BRepTools::Clean(shape);
        BRepMesh_IncrementalMesh mesher(shape, deflection, false,
                                        kAngularDeflection * (1 + attempt), false);
        if (TriangleCount(faces) <= maxTriangles) {
            return;
        }
        deflection *= 4;
    }
    throw CheckError(fmt::format("the part needs more than {} triangles", maxTriangles));
}

// The kind and radius of the face's surface.
void DescribeSurface(const TopoDS_Face& face, PartFace& described) {
    const BRepAdaptor_Surface surface(face);
    switch (surface.GetType()) {
        case GeomAbs_Plane:
            described.surface = SurfaceKind::Plane;
            break;
        case GeomAbs_Cylinder:
            described.surface = SurfaceKind::Cylinder;
            described.radius = surface.Cylinder().Radius();
            break;
        case GeomAbs_Cone:
            described.surface = SurfaceKind::Cone;
            break;
        case GeomAbs_Sphere:
            described.surface = SurfaceKind::Sphere;
            described.radius = surface.Sphere().Radius();
            break;
        case GeomAbs_Torus:
            described.surface = SurfaceKind::Torus;
            described.radius = surface.Torus().MinorRadius();
            break;
        default:
            described.surface = SurfaceKind::Other;
            break;
    }
}

// Appends the sides of the face's mesh along its edges, each with its edge's number; the face's
// nodes start at the part's vertex first.
void AppendEdgeSpans(const TopoDS_Face& face, const Handle(Poly_Triangulation) & mesh,
                     const TopTools_IndexedMapOfShape& edges, std::uint32_t first, Part& part) {
    TopLoc_Location location;
    for (TopExp_Explorer explorer(face, TopAbs_EDGE); explorer.More(); explorer.Next()) {
        const TopoDS_Edge& edge = TopoDS::Edge(explorer.Current());
        const int number = edges.FindIndex(edge);
        const Handle(Poly_PolygonOnTriangulation) polygon =
            BRep_Tool::PolygonOnTriangulation(edge, mesh, location);
        if (number == 0 || polygon.IsNull()) {
            continue;
        }
        for (int i = 1; i < polygon->NbNodes(); ++i) {
            part.edgeSpans.push_back(
                {static_cast<std::uint32_t>(number - 1),
                 first + static_cast<std::uint32_t>(polygon->Node(i)) - 1,
                 first + static_cast<std::uint32_t>(polygon->Node(i + 1)) - 1});
        }
    }
}

// Appends the face's triangles, wound outward, with the surface normals at their nodes, and the
// mesh's sides along its edges.
void AppendTriangles(const TopoDS_Face& face, std::uint32_t faceIndex,
                     const TopTools_IndexedMapOfShape& edges, Part& part) {
    TopLoc_Location location;
    const Handle(Poly_Triangulation) mesh = BRep_Tool::Triangulation(face, location);
    if (mesh.IsNull()) {
        return;
    }
    const gp_Trsf transform = location.Transformation();
    const BRepGProp_Face props(face);
    const auto first = static_cast<std::uint32_t>(part.vertices.size());
    for (int i = 1; i <= mesh->NbNodes(); ++i) {
        part.vertices.push_back(ToVec(mesh->Node(i).Transformed(transform).XYZ()));
        Vec3 normal;
        if (mesh->HasUVNodes()) {
            const gp_Pnt2d uv = mesh->UVNode(i);
            gp_Pnt point;
            gp_Vec vector;
            props.Normal(uv.X(), uv.Y(), point, vector);
            if (vector.Magnitude() > 1e-12) {
                normal = ToVec(vector.Transformed(transform).XYZ()).Normalized();
            }
        }
        part.vertexNormals.push_back(normal);
    }
    const bool reversed = face.Orientation() == TopAbs_REVERSED;
    for (int i = 1; i <= mesh->NbTriangles(); ++i) {
        int a = 0, b = 0, c = 0;
        mesh->Triangle(i).Get(a, b, c);
        if (reversed) {
            std::swap(b, c);
        }
        PartTriangle triangle{{first + a - 1, first + b - 1, first + c - 1}, faceIndex};
        part.triangles.push_back(triangle);
    }
    AppendEdgeSpans(face, mesh, edges, first, part);
}

// Fills missing node normals from the triangles around them, and the faces' areas and extents.
void Summarise(Part& part) {
    std::vector<Vec3> lows(part.faces.size(), Vec3{1e300, 1e300, 1e300});
    std::vector<Vec3> highs(part.faces.size(), Vec3{-1e300, -1e300, -1e300});
    for (const PartTriangle& triangle : part.triangles) {
        const Vec3& a = part.vertices[triangle.vertex[0]];
        const Vec3& b = part.vertices[triangle.vertex[1]];
        const Vec3& c = part.vertices[triangle.vertex[2]];
        const Vec3 cross = (b - a).Cross(c - a);
        part.faces[triangle.face].area += cross.Length() / 2;
        for (const std::uint32_t v : triangle.vertex) {
            if (part.vertexNormals[v].Length() == 0) {
                part.vertexNormals[v] = cross.Normalized();
            }
            Vec3& low = lows[triangle.face];
            Vec3& high = highs[triangle.face];
            const Vec3& p = part.vertices[v];
            low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
            high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
        }
    }
    for (std::size_t i = 0; i < part.faces.size(); ++i) {
        part.faces[i].extent = part.faces[i].area > 0 ? (highs[i] - lows[i]).Length() : 0.0;
    }
}

// For every hole opening into a planar face through one of its inner boundaries: the shortest
// distance from that boundary to the face's outer one; the smallest over the hole's openings.
void FindHoleRims(const TopTools_IndexedMapOfShape& faces, const TopoDS_Shape& shape,
                  const HoleFaces& holeOf, Part& part) {
    TopTools_IndexedDataMapOfShapeListOfShape edgeFaces;
    TopExp::MapShapesAndAncestors(shape, TopAbs_EDGE, TopAbs_FACE, edgeFaces);
    std::map<std::uint32_t, double> nearest;
    // A counterbore's step lies inside its hole: the bore opening into it has no rim on a wall.
    std::set<std::uint32_t> holeOwn;
    for (const FeatureFace& listed : part.featureFaces) {
        if (listed.kind == FeatureKind::Hole) {
            holeOwn.insert(listed.face);
        }
    }
    for (int i = 1; i <= faces.Extent(); ++i) {
        if (part.faces[i - 1].surface != SurfaceKind::Plane ||
            holeOwn.contains(static_cast<std::uint32_t>(i - 1))) {
            continue;
        }
        const TopoDS_Face& face = TopoDS::Face(faces(i));
        const TopoDS_Wire outer = BRepTools::OuterWire(face);
        for (TopExp_Explorer wires(face, TopAbs_WIRE); wires.More(); wires.Next()) {
            const TopoDS_Wire& wire = TopoDS::Wire(wires.Current());
            if (wire.IsSame(outer)) {
                continue;
            }
            for (TopExp_Explorer edges(wire, TopAbs_EDGE); edges.More(); edges.Next()) {
                const int at = edgeFaces.FindIndex(edges.Current());
                if (at == 0) {
                    continue;
                }
                for (const TopoDS_Shape& neighbour : edgeFaces(at)) {
                    const int index = faces.FindIndex(neighbour);
                    const auto hole = index == 0
                                          ? holeOf.end()
                                          : holeOf.find(static_cast<std::uint32_t>(index - 1));
                    if (hole == holeOf.end()) {
                        continue;
                    }
                    const BRepExtrema_DistShapeShape distance(wire, outer);
                    if (distance.IsDone()) {
                        const auto [it, added] = nearest.emplace(hole->second, distance.Value());
                        it->second = std::min(it->second, distance.Value());
                    }
                }
                break;
            }
        }
    }
    for (const auto& [hole, distance] : nearest) {
        part.holeRims.push_back({hole, distance});
    }
}

}  // namespace

Part BrepPart::Build(const TopoDS_Shape& shape) const {
    const BrepSolids found = BrepSolids::Of(shape);
    if (found.solids.empty()) {
        throw CheckError("holds no solid");
    }
    BRep_Builder builder;
    TopoDS_Compound solids;
    builder.MakeCompound(solids);
    TopTools_IndexedMapOfShape faces;
    TopTools_IndexedMapOfShape edges;
    Part part;
    for (const TopoDS_Shape& solid : found.solids) {
        builder.Add(solids, solid);
        const auto first = static_cast<std::uint32_t>(faces.Extent());
        TopExp::MapShapes(solid, TopAbs_FACE, faces);
        TopExp::MapShapes(solid, TopAbs_EDGE, edges);
        part.solids.push_back({first, static_cast<std::uint32_t>(faces.Extent()) - first,
                               BrepSolids::OpenEdges(solid)});
    }
    if (faces.Extent() == 0) {
        throw CheckError("the part has no faces");
    }
    Mesh(solids, faces, m_maxTriangles);
    part.hasSurfaces = true;
    part.warnings = found.warnings;
    part.faces.resize(static_cast<std::size_t>(faces.Extent()));
    for (int i = 1; i <= faces.Extent(); ++i) {
        const TopoDS_Face& face = TopoDS::Face(faces(i));
        DescribeSurface(face, part.faces[i - 1]);
        AppendTriangles(face, static_cast<std::uint32_t>(i - 1), edges, part);
    }
    if (part.triangles.empty()) {
        throw CheckError("the part's faces could not be meshed");
    }
    Summarise(part);
    const BrepContacts contacts(faces);
    const HoleFaces holeOf = FindHoles(faces, contacts, part);
    FindBlendsAndSharpCorners(faces, contacts, part);
    FindRibs(contacts, part);
    FindBosses(faces, contacts, part);
    FindHoleRims(faces, solids, holeOf, part);
    return part;
}

}  // namespace check
