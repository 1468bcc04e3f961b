#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "check/geometry/Vec3.h"

namespace check {

// A file's surfaces are meshed with chords that stray from them by at most this share of the
// part's diagonal (coarser only when the fine mesh would hold too many triangles).
inline constexpr double kMeshChordShare = 1e-3;

// What kind of surface a face lies on; an STL's faces, regions of triangles, are fitted.
enum class SurfaceKind { Plane, Cylinder, Cone, Sphere, Torus, Other };

// One face of the part as the checks see it: its surface and the triangles that cover it.
struct PartFace {
    SurfaceKind surface = SurfaceKind::Other;
    // Cylinder and sphere: the radius; torus: the tube radius; zero otherwise.
    double radius = 0;
    // A fillet: a face that rounds the concave meeting of two others, tangent to both (a
    // cylinder, torus, sphere or free-form blend whose material lies outside its curvature).
    bool blend = false;
    // A round: the same on a convex meeting, its material inside its curvature.
    bool round = false;
    // One of the faces of a hole (its cylinders, cones and chamfers).
    bool hole = false;
    double area = 0;
    // The diagonal of the face's bounding box: no wall measured across it is thicker.
    double extent = 0;
};

// A triangle of the part's mesh, wound so that its normal points out of the material.
struct PartTriangle {
    std::array<std::uint32_t, 3> vertex{};
    std::uint32_t face = 0;
};

// A hole opening into a face, and the distance from its rim to that face's outer boundary.
struct HoleRim {
    std::uint32_t holeFace = 0;
    double edgeDistance = 0;
};

// How a hole opens: straight, or through a cone that widens to its rim.
enum class HoleEntry : std::uint32_t { Plain, Chamfer, Countersink };

// A hole: concave cylinder faces sharing one axis and radius that close around it, with the
// cones (drill point, countersink, chamfer) that open or end it, and a wider coaxial cylinder
// that a flat step joins to it (a counterbore).
struct PartHole {
    // Its lowest-numbered face; the hole's faces are flagged hole.
    std::uint32_t face = 0;
    std::uint32_t faceCount = 0;
    // The axis from the hole's one end to the other, over its depth.
    Vec3 start;
    Vec3 direction;
    // Of its narrowest cylinder, over the whole hole.
    double diameter = 0;
    double depth = 0;
    // The counterbore's diameter and depth; 0 where there is none.
    double counterboreDiameter = 0;
    double counterboreDepth = 0;
    // 1 where the hole is open at both ends, 0 where a bottom or a drill point closes it.
    std::uint32_t through = 0;
    HoleEntry entry = HoleEntry::Plain;
};

// A cylindrical post standing on a wall: convex cylinder or cone faces sharing one surface that
// close around its axis, meeting a flat wall at an inside corner, sharp or through a fillet.
struct PartBoss {
    // Its outer side's lowest-numbered face, and the wall it stands on.
    std::uint32_t face = 0;
    std::uint32_t base = 0;
    // Where its axis meets the base's plane, and the axis's direction out of the base.
    Vec3 foot;
    Vec3 direction;
    // Its outer side's diameter at the base's plane; its hole's diameter, 0 without one.
    double outerDiameter = 0;
    double innerDiameter = 0;
    // From the base's plane to the highest point of its top, along its axis.
    double height = 0;
    // The smallest fillet along its root; 0 where its side meets the base sharp.
    double rootRadius = 0;
    // The angle of its outer side to its axis, in degrees: positive where it narrows upward.
    double draft = 0;
};

// What a face is part of: the recognised features name their faces this way.
enum class FeatureKind : std::uint32_t { Hole, Rib, Boss };

// One face of a recognised feature, the feature named by its own first face (a hole's or a
// boss's face, a rib's side).
struct FeatureFace {
    FeatureKind kind = FeatureKind::Hole;
    std::uint32_t feature = 0;
    std::uint32_t face = 0;
};

// An edge where two faces meet at a concave angle without a blend between them.
struct SharpCorner {
    std::uint32_t face = 0;
    std::uint32_t otherFace = 0;
    // The angle through the air between the two faces at the edge's middle, in degrees.
    double angle = 0;
};

// A thin wall standing on a wall: two planar sides turned away from each other (nearly opposite,
// as their drafts allow), a top that meets both, and a root where both meet one plane at an
// inside corner (one face, or the two a rib across a wall splits it in), sharp or through a
// fillet tangent to it. The checks take it as a rib
// where it is thinner than the wall it stands on.
struct PartRib {
    // Its sides; findings name the first.
    std::uint32_t side = 0;
    std::uint32_t otherSide = 0;
    // The face it stands on, and the face across its top.
    std::uint32_t base = 0;
    std::uint32_t top = 0;
    // The distance between its sides' centres across its middle plane.
    double thickness = 0;
    // From the base's plane to the highest point of its top.
    double height = 0;
    // The smallest fillet along its root; 0 where a side meets the base sharp.
    double rootRadius = 0;
    // The smaller of its sides' drafts against the base's normal, in degrees.
    double draft = 0;
    // The angle between its middle plane and the base, in degrees: 90 for a rib standing upright.
    double angle = 0;
};

// A side of the mesh along one of the file's edges: the edge's number (from 0, in the order the
// file's solids list their edges) and the vertices at its ends, as one face it bounds holds them.
struct EdgeSpan {
    std::uint32_t edge = 0;
    std::uint32_t from = 0;
    std::uint32_t to = 0;
};

// One solid of the file: its faces are a run of the part's faces, in the file's order.
struct PartSolid {
    std::uint32_t firstFace = 0;
    std::uint32_t faceCount = 0;
    // Edges that bound only one of its faces (or triangles): the solid is not closed there.
    std::uint32_t openEdges = 0;
};

// A part read from a file, in millimetres: faces, and triangles covering them with normals at
// the vertices (the surface's own where the file holds surfaces, the fitted surface's on an STL).
struct Part {
    std::string name;
    // True when the file holds surfaces (STEP, IGES); an STL holds triangles only.
    bool hasSurfaces = false;
    std::vector<PartFace> faces;
    std::vector<Vec3> vertices;
    std::vector<Vec3> vertexNormals;
    std::vector<PartTriangle> triangles;
    std::vector<PartHole> holes;
    std::vector<HoleRim> holeRims;
    std::vector<SharpCorner> sharpCorners;
    std::vector<PartRib> ribs;
    // The mesh's sides along the file's edges, where the file holds surfaces.
    std::vector<EdgeSpan> edgeSpans;
    std::vector<PartBoss> bosses;
    // The faces of every hole, rib and boss, each feature's in a run.
    std::vector<FeatureFace> featureFaces;
    // Every solid, in the file's order (an STL is one); together they hold every face.
    std::vector<PartSolid> solids;
    // What reading found amiss but did not refuse (a shell that is not closed), one line each.
    std::vector<std::string> warnings;
};

}  // namespace check
