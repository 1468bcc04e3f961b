#include "check/geometry/RayScene.h"

#include <embree3/rtcore.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "check/CheckError.h"
#include "check/geometry/SolidPart.h"
#include "check/geometry/TriangleAdjacency.h"

namespace check {
namespace {

// The distance along the ray to the triangle's plane, in double precision: the tracer works in
// single precision, which leaves errors of a few millionths of the part's size.
double ExactDistance(const Part& part, std::uint32_t triangle, const Vec3& origin,
                     const Vec3& direction, double traced) {
    const PartTriangle& corners = part.triangles[triangle];
    const Vec3& a = part.vertices[corners.vertex[0]];
    const Vec3 normal =
        (part.vertices[corners.vertex[1]] - a).Cross(part.vertices[corners.vertex[2]] - a);
    const double along = normal.Dot(direction);
    if (along == 0) {
        return traced;
    }
    const double exact = normal.Dot(a - origin) / along;
    return std::abs(exact - traced) <= 1e-3 * (1 + traced) ? exact : traced;
}

// Offers one triangle to the search's visitor and narrows the search to the reach it answers.
bool OfferTriangle(RTCPointQueryFunctionArguments* arguments) {
    const auto& visit = *static_cast<const RayScene::Visit*>(arguments->userPtr);
    const double reach = visit(arguments->primID, arguments->query->radius);
    if (reach < arguments->query->radius) {
        arguments->query->radius = static_cast<float>(std::max(reach, 0.0));
        return true;
    }
    return false;
}

}  // namespace

struct RayScene::Embree {
    RTCDevice device = nullptr;
    RTCScene scene = nullptr;

    ~Embree() {
        if (scene) {
            rtcReleaseScene(scene);
        }
        if (device) {
            rtcReleaseDevice(device);
        }
    }
};

RayScene::RayScene(const Part& part, unsigned threads, std::stop_token stop)
    : m_part(part), m_tracing(threads, std::move(stop)), m_embree(std::make_unique<Embree>()) {
    const auto [low, high] = Bounds(part);
    m_epsilon = std::max((high - low).Length() * 1e-6, 1e-9);

    m_embree->device = rtcNewDevice("threads=1");
    if (!m_embree->device) {
        throw CheckError("the ray tracer could not start");
    }
    m_embree->scene = rtcNewScene(m_embree->device);
    rtcSetSceneBuildQuality(m_embree->scene, RTC_BUILD_QUALITY_MEDIUM);
    // Triangles held in the tree by their corners' indices, not copies of their corners: the
    // same hits, in a good part less memory on a large part.
    rtcSetSceneFlags(m_embree->scene, RTC_SCENE_FLAG_COMPACT);
    RTCGeometry geometry = rtcNewGeometry(m_embree->device, RTC_GEOMETRY_TYPE_TRIANGLE);
    // Each distinct point once: a mesh whose triangles each have corners of their own (an STL's)
    // shares its points six ways, and the tracer meets the same corners either way.
    const std::vector<std::uint32_t> point = TriangleAdjacency::PointNumbers(part.vertices);
    const std::size_t points = point.empty() ? 0 : *std::ranges::max_element(point) + 1;
    auto* vertices = static_cast<float*>(rtcSetNewGeometryBuffer(
        geometry, RTC_BUFFER_TYPE_VERTEX, 0, RTC_FORMAT_FLOAT3, 3 * sizeof(float), points));
    for (std::size_t i = 0; i < part.vertices.size(); ++i) {
        vertices[3 * point[i]] = static_cast<float>(part.vertices[i].x);
        vertices[3 * point[i] + 1] = static_cast<float>(part.vertices[i].y);
        vertices[3 * point[i] + 2] = static_cast<float>(part.vertices[i].z);
    }
    auto* indices = static_cast<unsigned*>(
        rtcSetNewGeometryBuffer(geometry, RTC_BUFFER_TYPE_INDEX, 0, RTC_FORMAT_UINT3,
                                3 * sizeof(unsigned), part.triangles.size()));
    m_normals.reserve(part.triangles.size());
    for (std::size_t i = 0; i < part.triangles.size(); ++i) {
        const PartTriangle& triangle = part.triangles[i];
        for (std::size_t k = 0; k < 3; ++k) {
            indices[3 * i + k] = point[triangle.vertex[k]];
        }
        const Vec3& a = part.vertices[triangle.vertex[0]];
        m_normals.push_back((part.vertices[triangle.vertex[1]] - a)
                                .Cross(part.vertices[triangle.vertex[2]] - a)
                                .Normalized());
    }
    rtcCommitGeometry(geometry);
    rtcAttachGeometry(m_embree->scene, geometry);
    rtcReleaseGeometry(geometry);
    rtcCommitScene(m_embree->scene);
}

RayScene::~RayScene() = default;

std::optional<RayScene::Hit> RayScene::First(const Vec3& origin, const Vec3& direction,
                                             double from) const {
    RTCIntersectContext context;
    rtcInitIntersectContext(&context);
    RTCRayHit ray{};
    ray.ray.org_x = static_cast<float>(origin.x);
    ray.ray.org_y = static_cast<float>(origin.y);
    ray.ray.org_z = static_cast<float>(origin.z);
    ray.ray.dir_x = static_cast<float>(direction.x);
    ray.ray.dir_y = static_cast<float>(direction.y);
    ray.ray.dir_z = static_cast<float>(direction.z);
    ray.ray.tnear = static_cast<float>(from);
    ray.ray.tfar = std::numeric_limits<float>::infinity();
    ray.ray.mask = ~0u;
    ray.hit.geomID = RTC_INVALID_GEOMETRY_ID;
    rtcIntersect1(m_embree->scene, &context, &ray);
    if (ray.hit.geomID == RTC_INVALID_GEOMETRY_ID) {
        return std::nullopt;
    }
    return Hit{ExactDistance(m_part, ray.hit.primID, origin, direction, ray.ray.tfar),
               ray.hit.primID, ray.ray.tfar};
}

void RayScene::Search(const Vec3& point, double reach, const Visit& visit) const {
    if (!(reach > 0)) {
        return;
    }
    RTCPointQuery query{};
    query.x = static_cast<float>(point.x);
    query.y = static_cast<float>(point.y);
    query.z = static_cast<float>(point.z);
    // The tracer's single precision: a triangle just inside reach is still offered.
    query.radius = static_cast<float>(reach + m_epsilon);
    RTCPointQueryContext context;
    rtcInitPointQueryContext(&context);
    rtcPointQuery(m_embree->scene, &query, &context, OfferTriangle, const_cast<Visit*>(&visit));
}

const Vec3& RayScene::Normal(std::uint32_t triangle) const {
    return m_normals[triangle];
}

}  // namespace check
