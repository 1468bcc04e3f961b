#pragma once

#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS_Face.hxx>
#include <gp_Vec.hxx>

#include <cstdint>
#include <vector>

namespace check {

// Faces whose normals differ less than this along their edge, in degrees, are tangent there.
inline constexpr double kTangentDegrees = 2;

// How a face meets one of its neighbours along an edge, at the edge's middle.
struct FaceContact {
    std::uint32_t neighbour = 0;
    // The angle between the two faces' outward normals, in degrees: 0 where they are tangent.
    double normalAngle = 0;
    // The neighbour rises to the air side of this face: an inside corner.
    bool concave = false;
    // This face's outward unit normal there.
    gp_Vec normal;
};

// The face's principal curvature of the largest size at its middle, positive where the face bends
// towards the air (an inside corner's blend, a hole), negative where it bends round the material.
double AirSideCurvature(const TopoDS_Face& face);

// The contacts of every face with the other faces it shares an edge with (an edge that bounds a
// face twice, a seam, or that has no length is no contact).
class BrepContacts {
public:
    explicit BrepContacts(const TopTools_IndexedMapOfShape& faces);

    // Indexed as the faces map, from 0.
    const std::vector<FaceContact>& Of(std::uint32_t face) const { return m_contacts[face]; }

private:
    std::vector<std::vector<FaceContact>> m_contacts;
};

}  // namespace check
