#include "studio/FacePull.h"

#include <cmath>
#include <gp_XYZ.hxx>
#include <math_Jacobi.hxx>
#include <math_Matrix.hxx>

namespace {

// Closer to 1 than this, the area-weighted mean of a face's normals says it is flat.
constexpr double kFlat = 0.999;

struct NormalSums {
    gp_XYZ sum;        // of the triangles' normals, each as long as twice its area
    double area2 = 0;  // twice the face's area
    math_Matrix spread{1, 3, 1, 3, 0.0};  // the sum of n n^T weighted by area
};

NormalSums SumNormals(const check::SolidMesh& mesh, std::uint32_t face) {
    NormalSums sums;
    for (std::size_t t = 0; t < mesh.triangles.size(); ++t) {
        if (mesh.triangleFaces[t] != face) {
            continue;
        }
        const auto& c = mesh.triangles[t];
        const auto at = [&](int i) {
            return gp_XYZ(mesh.vertices[c[i]][0], mesh.vertices[c[i]][1], mesh.vertices[c[i]][2]);
        };
        const gp_XYZ normal = (at(1) - at(0)).Crossed(at(2) - at(0));
        const double length = normal.Modulus();
        if (length <= 0) {
            continue;
        }
        sums.sum += normal;
        sums.area2 += length;
        for (int i = 1; i <= 3; ++i) {
            for (int j = 1; j <= 3; ++j) {
                sums.spread(i, j) += normal.Coord(i) * normal.Coord(j) / length;
            }
        }
    }
    return sums;
}

// The direction the normals vary least along: square to every normal of a cylinder, and the
// axis of a shallow cone.
gp_XYZ LeastSpread(const math_Matrix& spread) {
    const math_Jacobi eigen(spread);
    int least = 1;
    for (int i = 2; i <= 3; ++i) {
        if (eigen.Value(i) < eigen.Value(least)) {
            least = i;
        }
    }
    math_Vector axis(1, 3);
    eigen.Vector(least, axis);
    return gp_XYZ(axis(1), axis(2), axis(3));
}

// An axis's two senses are alike: the one on the checked pull's side, or across it the one
// along its largest coordinate.
double SignOf(const gp_XYZ& axis, const gp_XYZ& checkedPull) {
    constexpr double kAcross = 1e-6;
    if (const double along = axis.Dot(checkedPull); std::abs(along) > kAcross) {
        return along;
    }
    int largest = 1;
    for (int i = 2; i <= 3; ++i) {
        if (std::abs(axis.Coord(i)) > std::abs(axis.Coord(largest))) {
            largest = i;
        }
    }
    return axis.Coord(largest);
}

}  // namespace

std::optional<check::Point> PullAlongFace(const std::vector<check::SolidMesh>& meshes,
                                          std::uint32_t face, const check::Point& checkedPull) {
    for (const check::SolidMesh& mesh : meshes) {
        const NormalSums sums = SumNormals(mesh, face);
        if (sums.area2 <= 0) {
            continue;
        }
        if (sums.sum.Modulus() >= kFlat * sums.area2) {
            const gp_XYZ normal = sums.sum / sums.sum.Modulus();
            return check::Point{normal.X(), normal.Y(), normal.Z()};
        }
        gp_XYZ axis = LeastSpread(sums.spread);
        axis.Normalize();
        if (SignOf(axis, gp_XYZ(checkedPull[0], checkedPull[1], checkedPull[2])) < 0) {
            axis.Reverse();
        }
        return check::Point{axis.X(), axis.Y(), axis.Z()};
    }
    return std::nullopt;
}
