#include "check/geometry/PartAnswer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>

namespace check {
namespace {

// The longest refusal taken: a long path and its problem, far from what a pipe could carry.
constexpr std::size_t kMaxRefusalBytes = 16 * 1024;
// A face: its surface kind, its flags, radius, area and extent.
constexpr std::size_t kFaceBytes = 2 + 3 * sizeof(double);
// A hole rim: its face and its distance.
constexpr std::size_t kRimBytes = sizeof(std::uint32_t) + sizeof(double);
// A solid: its first face, its face count and its open edges.
constexpr std::size_t kSolidBytes = 3 * sizeof(std::uint32_t);
// The longest warning kept: a line naming a shell, far from what a pipe could carry.
constexpr std::size_t kMaxWarningBytes = 1024;
constexpr std::uint8_t kBlend = 1;
constexpr std::uint8_t kHole = 2;
constexpr std::uint8_t kRound = 4;

static_assert(std::is_trivially_copyable_v<Vec3> && sizeof(Vec3) == 3 * sizeof(double));
static_assert(std::is_trivially_copyable_v<PartTriangle> &&
              sizeof(PartTriangle) == 4 * sizeof(std::uint32_t));
static_assert(std::is_trivially_copyable_v<PartHole> &&
              sizeof(PartHole) == 4 * sizeof(std::uint32_t) + 10 * sizeof(double));
static_assert(std::is_trivially_copyable_v<PartBoss> &&
              sizeof(PartBoss) == 2 * sizeof(std::uint32_t) + 11 * sizeof(double));
static_assert(std::is_trivially_copyable_v<FeatureFace> &&
              sizeof(FeatureFace) == 3 * sizeof(std::uint32_t));
static_assert(std::is_trivially_copyable_v<SharpCorner> &&
              sizeof(SharpCorner) == 2 * sizeof(std::uint32_t) + sizeof(double));
static_assert(std::is_trivially_copyable_v<PartRib> &&
              sizeof(PartRib) == 4 * sizeof(std::uint32_t) + 5 * sizeof(double));

template <typename T>
void Append(std::string& bytes, const T& value) {
    bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

template <typename T>
void WriteArray(const std::vector<T>& values, const PartAnswer::Sink& write) {
    std::string count;
    Append(count, static_cast<std::uint64_t>(values.size()));
    write(count);
    write({reinterpret_cast<const char*>(values.data()), values.size() * sizeof(T)});
}

// Reads the answer from the front, refusing to step past its end.
class Cursor {
public:
    explicit Cursor(std::string_view bytes) : m_bytes(bytes) {}

    bool AtEnd() const { return m_bytes.empty(); }

    template <typename T>
    bool Take(T& value) {
        if (m_bytes.size() < sizeof value) {
            return false;
        }
        std::memcpy(&value, m_bytes.data(), sizeof value);
        m_bytes.remove_prefix(sizeof value);
        return true;
    }

    // A count of records of this size that the bytes left can hold.
    bool TakeCount(std::size_t recordBytes, std::size_t& count) {
        std::uint64_t declared = 0;
        if (!Take(declared) || declared > m_bytes.size() / recordBytes) {
            return false;
        }
        count = static_cast<std::size_t>(declared);
        return true;
    }

    bool TakeText(std::size_t bytes, std::string& text) {
        if (m_bytes.size() < bytes) {
            return false;
        }
        text.assign(m_bytes.substr(0, bytes));
        m_bytes.remove_prefix(bytes);
        return true;
    }

    template <typename T>
    bool TakeArray(std::vector<T>& values) {
        std::size_t count = 0;
        if (!TakeCount(sizeof(T), count)) {
            return false;
        }
        values.resize(count);
        if (count > 0) {
            std::memcpy(values.data(), m_bytes.data(), count * sizeof(T));
        }
        m_bytes.remove_prefix(count * sizeof(T));
        return true;
    }

private:
    std::string_view m_bytes;
};

bool Finite(const Vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

bool TakeFaces(Cursor& in, std::vector<PartFace>& faces) {
    std::size_t count = 0;
    if (!in.TakeCount(kFaceBytes, count)) {
        return false;
    }
    faces.resize(count);
    for (PartFace& face : faces) {
        std::uint8_t surface = 0;
        std::uint8_t flags = 0;
        if (!in.Take(surface) || !in.Take(flags) || !in.Take(face.radius) || !in.Take(face.area) ||
            !in.Take(face.extent)) {
            return false;
        }
        if (surface > static_cast<std::uint8_t>(SurfaceKind::Other) ||
            flags > (kBlend | kHole | kRound) || !std::isfinite(face.radius) ||
            !std::isfinite(face.area) || !std::isfinite(face.extent)) {
            return false;
        }
        face.surface = static_cast<SurfaceKind>(surface);
        face.blend = (flags & kBlend) != 0;
        face.hole = (flags & kHole) != 0;
        face.round = (flags & kRound) != 0;
    }
    return true;
}

bool TakeHoleRims(Cursor& in, std::size_t faces, std::vector<HoleRim>& rims) {
    std::size_t count = 0;
    if (!in.TakeCount(kRimBytes, count)) {
        return false;
    }
    rims.resize(count);
    for (HoleRim& rim : rims) {
        if (!in.Take(rim.holeFace) || !in.Take(rim.edgeDistance) || rim.holeFace >= faces ||
            !std::isfinite(rim.edgeDistance)) {
            return false;
        }
    }
    return true;
}

// The solids must share the faces out in order, each face to one solid.
bool TakeSolids(Cursor& in, std::size_t faces, std::vector<PartSolid>& solids) {
    std::size_t count = 0;
    if (!in.TakeCount(kSolidBytes, count)) {
        return false;
    }
    solids.resize(count);
    std::size_t next = 0;
    for (PartSolid& solid : solids) {
        if (!in.Take(solid.firstFace) || !in.Take(solid.faceCount) || !in.Take(solid.openEdges) ||
            solid.firstFace != next || solid.faceCount > faces - next) {
            return false;
        }
        next += solid.faceCount;
    }
    return next == faces;
}

bool TakeWarnings(Cursor& in, std::vector<std::string>& warnings) {
    std::size_t count = 0;
    if (!in.TakeCount(sizeof(std::uint32_t), count)) {
        return false;
    }
    warnings.resize(count);
    for (std::string& warning : warnings) {
        std::uint32_t length = 0;
        if (!in.Take(length) || length > kMaxWarningBytes || !in.TakeText(length, warning)) {
            return false;
        }
        std::ranges::replace_if(
            warning, [](char c) { return c == '\n' || c == '\r'; }, ' ');
    }
    return true;
}

bool TakePart(Cursor& in, Part& part) {
    std::uint8_t surfaces = 0;
    if (!in.Take(surfaces) || surfaces > 1 || !TakeFaces(in, part.faces) ||
        !in.TakeArray(part.vertices) || !in.TakeArray(part.vertexNormals) ||
        !in.TakeArray(part.triangles) || !TakeHoleRims(in, part.faces.size(), part.holeRims) ||
        !in.TakeArray(part.holes) || !in.TakeArray(part.sharpCorners) || !in.TakeArray(part.ribs) ||
        !in.TakeArray(part.bosses) || !in.TakeArray(part.featureFaces) ||
        !TakeSolids(in, part.faces.size(), part.solids) || !TakeWarnings(in, part.warnings)) {
        return false;
    }
    part.hasSurfaces = surfaces == 1;
    const std::size_t faces = part.faces.size();
    const bool holesSound = std::ranges::all_of(part.holes, [&](const PartHole& hole) {
        return hole.face < faces && Finite(hole.start) && Finite(hole.direction) &&
               std::isfinite(hole.diameter) && std::isfinite(hole.depth) &&
               std::isfinite(hole.counterboreDiameter) && std::isfinite(hole.counterboreDepth) &&
               hole.through <= 1 && hole.entry <= HoleEntry::Countersink;
    });
    const bool bossesSound = std::ranges::all_of(part.bosses, [&](const PartBoss& boss) {
        return boss.face < faces && boss.base < faces && Finite(boss.foot) &&
               Finite(boss.direction) && std::isfinite(boss.outerDiameter) &&
               std::isfinite(boss.innerDiameter) && std::isfinite(boss.height) &&
               std::isfinite(boss.rootRadius) && std::isfinite(boss.draft);
    });
    const bool featureFacesSound =
        std::ranges::all_of(part.featureFaces, [&](const FeatureFace& f) {
            return f.kind <= FeatureKind::Boss && f.feature < faces && f.face < faces;
        });
    const bool cornersSound = std::ranges::all_of(part.sharpCorners, [&](const SharpCorner& c) {
        return c.face < faces && c.otherFace < faces && std::isfinite(c.angle);
    });
    const bool ribsSound = std::ranges::all_of(part.ribs, [&](const PartRib& rib) {
        return rib.side < faces && rib.otherSide < faces && rib.base < faces && rib.top < faces &&
               std::isfinite(rib.thickness) && std::isfinite(rib.height) &&
               std::isfinite(rib.rootRadius) && std::isfinite(rib.draft) &&
               std::isfinite(rib.angle);
    });
    if (!holesSound || !cornersSound || !ribsSound || !bossesSound || !featureFacesSound ||
        part.vertexNormals.size() != part.vertices.size() ||
        !std::ranges::all_of(part.vertices, Finite) ||
        !std::ranges::all_of(part.vertexNormals, Finite)) {
        return false;
    }
    return std::ranges::all_of(part.triangles, [&](const PartTriangle& triangle) {
        return triangle.face < part.faces.size() &&
               std::ranges::all_of(triangle.vertex,
                                   [&](std::uint32_t v) { return v < part.vertices.size(); });
    });
}

}  // namespace

void PartAnswer::WritePart(const Part& part, const Sink& write) {
    std::string head;
    Append(head, Kind::Part);
    Append(head, static_cast<std::uint8_t>(part.hasSurfaces ? 1 : 0));
    Append(head, static_cast<std::uint64_t>(part.faces.size()));
    for (const PartFace& face : part.faces) {
        Append(head, static_cast<std::uint8_t>(face.surface));
        Append(head, static_cast<std::uint8_t>((face.blend ? kBlend : 0) | (face.hole ? kHole : 0) |
                                               (face.round ? kRound : 0)));
        Append(head, face.radius);
        Append(head, face.area);
        Append(head, face.extent);
    }
    write(head);
    WriteArray(part.vertices, write);
    WriteArray(part.vertexNormals, write);
    WriteArray(part.triangles, write);
    std::string rims;
    Append(rims, static_cast<std::uint64_t>(part.holeRims.size()));
    for (const HoleRim& rim : part.holeRims) {
        Append(rims, rim.holeFace);
        Append(rims, rim.edgeDistance);
    }
    write(rims);
    WriteArray(part.holes, write);
    WriteArray(part.sharpCorners, write);
    WriteArray(part.ribs, write);
    WriteArray(part.bosses, write);
    WriteArray(part.featureFaces, write);
    std::string solids;
    Append(solids, static_cast<std::uint64_t>(part.solids.size()));
    for (const PartSolid& solid : part.solids) {
        Append(solids, solid.firstFace);
        Append(solids, solid.faceCount);
        Append(solids, solid.openEdges);
    }
    Append(solids, static_cast<std::uint64_t>(part.warnings.size()));
    for (const std::string& warning : part.warnings) {
        const std::string_view kept = std::string_view(warning).substr(0, kMaxWarningBytes);
        Append(solids, static_cast<std::uint32_t>(kept.size()));
        solids.append(kept);
    }
    write(solids);
}

void PartAnswer::WriteRefusal(std::string_view message, const Sink& write) {
    const std::string_view kept = message.substr(0, kMaxRefusalBytes);
    std::string head;
    Append(head, Kind::Refusal);
    Append(head, static_cast<std::uint32_t>(kept.size()));
    write(head);
    write(kept);
}

void PartAnswer::WriteOutOfMemory(const Sink& write) {
    static constexpr char kAnswer = static_cast<char>(Kind::OutOfMemory);
    write({&kAnswer, 1});
}

std::optional<PartAnswer> PartAnswer::Decode(std::string_view bytes) {
    Cursor in(bytes);
    std::uint8_t kind = 0;
    if (!in.Take(kind)) {
        return std::nullopt;
    }
    PartAnswer answer;
    answer.kind = static_cast<Kind>(kind);
    switch (answer.kind) {
        case Kind::Part:
            if (!TakePart(in, answer.part)) {
                return std::nullopt;
            }
            break;
        case Kind::Refusal: {
            std::uint32_t length = 0;
            if (!in.Take(length) || length > kMaxRefusalBytes ||
                !in.TakeText(length, answer.refusal)) {
                return std::nullopt;
            }
            // The checker's messages are one line, whatever the reader's library said.
            std::ranges::replace_if(
                answer.refusal, [](char c) { return c == '\n' || c == '\r'; }, ' ');
            break;
        }
        case Kind::OutOfMemory:
            break;
        default:
            return std::nullopt;
    }
    if (!in.AtEnd()) {
        return std::nullopt;
    }
    return answer;
}

}  // namespace check
