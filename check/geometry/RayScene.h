#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>

#include "check/geometry/ParallelRays.h"
#include "check/geometry/Part.h"

namespace check {

// The part's triangles in a ray-tracing scene.
class RayScene {
public:
    struct Hit {
        double distance = 0;
        std::uint32_t triangle = 0;
        // The distance as the tracer found it, in single precision: a ray cast again from
        // beyond it cannot meet the same triangle at the same place.
        double traced = 0;
    };

    // Keeps a reference to the part, whose triangles the hits name. The scene's users cast their
    // rays on this many threads (0: one per core); First may be called from any of them. A stop
    // requested on stop ends their casting with CheckCancelled.
    explicit RayScene(const Part& part, unsigned threads = 0, std::stop_token stop = {});
    ~RayScene();
    RayScene(const RayScene&) = delete;
    RayScene& operator=(const RayScene&) = delete;

    // The first triangle the ray meets beyond distance from; none when it leaves the part.
    std::optional<Hit> First(const Vec3& origin, const Vec3& direction, double from = 0) const;

    // Offers visit every triangle that may come nearer to the point than the reach (and some
    // that do not), with the reach; visit answers the reach to search on, never more. Safe from
    // several threads, like First.
    using Visit = std::function<double(std::uint32_t triangle, double reach)>;
    void Search(const Vec3& point, double reach, const Visit& visit) const;

    // The triangle's outward unit normal.
    const Vec3& Normal(std::uint32_t triangle) const;
    const Part& Geometry() const { return m_part; }
    const ParallelRays& Tracing() const { return m_tracing; }
    // A distance well above the scene's rounding and well below its features.
    double Epsilon() const { return m_epsilon; }

private:
    struct Embree;
    const Part& m_part;
    ParallelRays m_tracing;
    std::vector<Vec3> m_normals;
    double m_epsilon = 0;
    std::unique_ptr<Embree> m_embree;
};

}  // namespace check
