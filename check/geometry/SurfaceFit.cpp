#include "check/geometry/SurfaceFit.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace check {
namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Normals this close to one direction (or to one angle with an axis) lie on one plane (or one
// cylinder or cone): a mesh's facets keep their surface's normals to well within it.
const double kSameDirectionSine = std::sin(2 * std::numbers::pi / 180);
// A cone whose normals lean less than this towards its axis is a cylinder.
constexpr double kCylinderLean = 1e-3;
// Corners farther than this share of the radius from a fitted surface are off it.
constexpr double kRadiusShare = 0.03;

double Get(const Vec3& v, int i) {
    return i == 0 ? v.x : i == 1 ? v.y : v.z;
}

void AddOuter(Matrix& m, const Vec3& a, const Vec3& b, double weight) {
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            m[i][j] += weight * Get(a, i) * Get(b, j);
        }
    }
}

Vec3 Times(const Matrix& m, const Vec3& v) {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

Vec3 Row(const Matrix& m, int i) {
    return {m[i][0], m[i][1], m[i][2]};
}

// The solution of m x = rhs; nothing when m is nearly singular.
std::optional<Vec3> Solve(const Matrix& m, const Vec3& rhs) {
    const Vec3 r0 = Row(m, 0), r1 = Row(m, 1), r2 = Row(m, 2);
    const double det = r0.Dot(r1.Cross(r2));
    const double scale = r0.Length() * r1.Length() * r2.Length();
    if (!(std::abs(det) > 1e-9 * scale)) {
        return std::nullopt;
    }
    // Cramer's rule through the rows' cross products (the inverse's columns).
    const Vec3 c0 = r1.Cross(r2), c1 = r2.Cross(r0), c2 = r0.Cross(r1);
    return (c0 * rhs.x + c1 * rhs.y + c2 * rhs.z) * (1 / det);
}

// The unit eigenvector of a symmetric matrix with the smallest eigenvalue (Jacobi rotations).
Vec3 SmallestEigenvector(Matrix a) {
    Matrix v{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    for (int sweep = 0; sweep < 50; ++sweep) {
        for (int p = 0; p < 2; ++p) {
            for (int q = p + 1; q < 3; ++q) {
                if (std::abs(a[p][q]) < 1e-300) {
                    continue;
                }
                const double theta = (a[q][q] - a[p][p]) / (2 * a[p][q]);
                const double t =
                    (theta >= 0 ? 1.0 : -1.0) / (std::abs(theta) + std::sqrt(theta * theta + 1));
                const double c = 1 / std::sqrt(t * t + 1);
                const double s = t * c;
                for (int k = 0; k < 3; ++k) {
                    const double akp = a[k][p], akq = a[k][q];
                    a[k][p] = c * akp - s * akq;
                    a[k][q] = s * akp + c * akq;
                }
                for (int k = 0; k < 3; ++k) {
                    const double apk = a[p][k], aqk = a[q][k];
                    a[p][k] = c * apk - s * aqk;
                    a[q][k] = s * apk + c * aqk;
                }
                for (int k = 0; k < 3; ++k) {
                    const double vkp = v[k][p], vkq = v[k][q];
                    v[k][p] = c * vkp - s * vkq;
                    v[k][q] = s * vkp + c * vkq;
                }
            }
        }
    }
    int smallest = 0;
    for (int i = 1; i < 3; ++i) {
        smallest = a[i][i] < a[smallest][smallest] ? i : smallest;
    }
    return Vec3{v[0][smallest], v[1][smallest], v[2][smallest]}.Normalized();
}

class Fitter {
public:
    explicit Fitter(const FacetRegion& region) : m_region(region) {
        for (const std::uint32_t t : region.triangles) {
            const auto& c = region.corners[t];
            const Vec3 doubled = (Corner(t, 1) - Corner(t, 0)).Cross(Corner(t, 2) - Corner(t, 0));
            m_area.push_back(doubled.Length() / 2);
            m_centroid.push_back((region.points[c[0]] + region.points[c[1]] + region.points[c[2]]) *
                                 (1.0 / 3));
            m_mean = m_mean + region.normals[t] * m_area.back();
            m_total += m_area.back();
        }
        m_mean = m_total > 0 ? m_mean * (1 / m_total) : m_mean;
    }

    FittedSurface Fit() const {
        // Around a whole cylinder the normals cancel: no direction to hold them against.
        const Vec3 direction = m_mean.Normalized();
        if (m_mean.Length() > 0.5 && Spread([&](const Vec3& n) {
                                         return n.Cross(direction).Length();
                                     }) <= kSameDirectionSine) {
            return {SurfaceKind::Plane, direction, {}, 0};
        }
        Matrix scatter{};
        Each([&](std::size_t, const Vec3& n) { AddOuter(scatter, n - m_mean, n - m_mean, 1); });
        const Vec3 axis = SmallestEigenvector(scatter);
        const double lean = m_mean.Dot(axis);
        const bool constantLean = Spread([&](const Vec3& n) {
                                      return std::abs(n.Dot(axis) - lean);
                                  }) <= kSameDirectionSine;
        if (constantLean && std::abs(lean) < kCylinderLean) {
            if (std::optional<FittedSurface> cylinder = Cylinder(axis)) {
                return *cylinder;
            }
        } else if (constantLean) {
            if (std::optional<FittedSurface> cone = Cone(axis)) {
                return *cone;
            }
        }
        return Sphere().value_or(FittedSurface{});
    }

private:
    Vec3 Corner(std::uint32_t t, int k) const {
        return m_region.points[m_region.corners[t][static_cast<std::size_t>(k)]];
    }

    template <typename F>
    void Each(F&& f) const {
        for (std::size_t i = 0; i < m_region.triangles.size(); ++i) {
            f(i, m_region.normals[m_region.triangles[i]]);
        }
    }

    template <typename F>
    double Spread(F&& f) const {
        double largest = 0;
        Each([&](std::size_t, const Vec3& n) { largest = std::max(largest, f(n)); });
        return largest;
    }

    template <typename F>
    void ForEachCorner(F&& f) const {
        for (const std::uint32_t t : m_region.triangles) {
            for (int k = 0; k < 3; ++k) {
                f(Corner(t, k));
            }
        }
    }

    // A point's position along the axis from the centre, and its distance from the axis.
    static std::array<double, 2> AxialAndRadial(const Vec3& p, const Vec3& centre,
                                                const Vec3& axis) {
        const Vec3 d = p - centre;
        return {d.Dot(axis), (d - axis * d.Dot(axis)).Length()};
    }

    // True when every corner lies within a share of this radius of the surface, given how far
    // off it each corner is.
    template <typename F>
    bool CornersOn(F&& offset, double radius) const {
        for (const std::uint32_t t : m_region.triangles) {
            for (int k = 0; k < 3; ++k) {
                if (!(offset(Corner(t, k)) <= kRadiusShare * radius)) {
                    return false;
                }
            }
        }
        return true;
    }

    // The point nearest to every line from a facet's middle along its normal, the lines and
    // point both taken across the axis (a zero axis: in space).
    std::optional<Vec3> Meeting(const Vec3& axis) const {
        Matrix m{};
        Vec3 rhs;
        Each([&](std::size_t i, const Vec3& n) {
            Matrix across{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
            AddOuter(across, n, n, -1);
            AddOuter(across, axis, axis, -1);
            for (int r = 0; r < 3; ++r) {
                for (int c = 0; c < 3; ++c) {
                    m[r][c] += m_area[i] * across[r][c];
                }
            }
            rhs = rhs + Times(across, m_centroid[i]) * m_area[i];
        });
        // Along the axis any point will do: pin it to the region's middle.
        Vec3 middle;
        Each([&](std::size_t i, const Vec3&) { middle = middle + m_centroid[i] * m_area[i]; });
        middle = middle * (1 / m_total);
        AddOuter(m, axis, axis, m_total);
        rhs = rhs + axis * (axis.Dot(middle) * m_total);
        return Solve(m, rhs);
    }

    std::optional<FittedSurface> Cylinder(const Vec3& axis) const {
        const std::optional<Vec3> centre = Meeting(axis);
        if (!centre) {
            return std::nullopt;
        }
        const auto fromAxis = [&](const Vec3& p) {
            const Vec3 d = p - *centre;
            return (d - axis * d.Dot(axis)).Length();
        };
        // A facet's middle lies inside the surface its corners lie on: take the corners.
        double radius = 0;
        double corners = 0;
        ForEachCorner([&](const Vec3& p) {
            radius += fromAxis(p);
            corners += 1;
        });
        radius /= corners;
        if (!CornersOn([&](const Vec3& p) { return std::abs(fromAxis(p) - radius); }, radius)) {
            return std::nullopt;
        }
        return FittedSurface{SurfaceKind::Cylinder, axis, *centre, radius};
    }

    // The radius changes linearly along the axis: fitted to the corners by least squares.
    std::optional<FittedSurface> Cone(const Vec3& axis) const {
        const std::optional<Vec3> centre = Meeting(axis);
        if (!centre) {
            return std::nullopt;
        }
        double n = 0, sumH = 0, sumR = 0, sumHH = 0, sumHR = 0;
        ForEachCorner([&](const Vec3& p) {
            const auto [along, radial] = AxialAndRadial(p, *centre, axis);
            n += 1;
            sumH += along;
            sumR += radial;
            sumHH += along * along;
            sumHR += along * radial;
        });
        const double spread = n * sumHH - sumH * sumH;
        if (!(spread > 0)) {
            return std::nullopt;
        }
        const double slope = (n * sumHR - sumH * sumR) / spread;
        const double radius = (sumR - slope * sumH) / n;
        double largest = 0;
        ForEachCorner([&](const Vec3& p) {
            largest =
                std::max(largest, std::abs(radius + slope * AxialAndRadial(p, *centre, axis)[0]));
        });
        const auto offset = [&](const Vec3& p) {
            const auto [along, radial] = AxialAndRadial(p, *centre, axis);
            return std::abs(radial - (radius + slope * along));
        };
        if (!CornersOn(offset, largest)) {
            return std::nullopt;
        }
        return FittedSurface{SurfaceKind::Cone, axis, *centre, radius, slope};
    }

    std::optional<FittedSurface> Sphere() const {
        const std::optional<Vec3> centre = Meeting(Vec3{});
        if (!centre) {
            return std::nullopt;
        }
        double radius = 0;
        double corners = 0;
        ForEachCorner([&](const Vec3& p) {
            radius += (p - *centre).Length();
            corners += 1;
        });
        radius /= corners;
        if (!CornersOn([&](const Vec3& p) { return std::abs((p - *centre).Length() - radius); },
                       radius)) {
            return std::nullopt;
        }
        return FittedSurface{SurfaceKind::Sphere, {}, *centre, radius};
    }

    const FacetRegion& m_region;
    std::vector<double> m_area;
    std::vector<Vec3> m_centroid;
    Vec3 m_mean;
    double m_total = 0;
};

}  // namespace

Vec3 FittedSurface::NormalAt(const Vec3& point, const Vec3& facetNormal) const {
    Vec3 normal = facetNormal;
    const Vec3 d = point - centre;
    switch (kind) {
        case SurfaceKind::Plane:
            normal = axis;
            break;
        case SurfaceKind::Cylinder:
            normal = (d - axis * d.Dot(axis)).Normalized();
            break;
        case SurfaceKind::Cone:
            // Away from the axis, leaning back along it as the radius grows.
            normal = ((d - axis * d.Dot(axis)).Normalized() - axis * slope).Normalized();
            break;
        case SurfaceKind::Sphere:
            normal = d.Normalized();
            break;
        case SurfaceKind::Torus:
        case SurfaceKind::Other:
            break;
    }
    if (normal.Length() == 0) {
        return facetNormal;
    }
    return normal.Dot(facetNormal) < 0 ? -normal : normal;
}

FittedSurface FitSurface(const FacetRegion& region) {
    if (region.triangles.empty()) {
        return {};
    }
    return Fitter(region).Fit();
}

}  // namespace check
