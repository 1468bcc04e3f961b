#include "check/geometry/PartAnswerReader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>

#include "check/geometry/PartAnswerLayout.h"

namespace check {
namespace {

using namespace part_answer;

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

// What follows the part's vertices, normals and triangles; then whether it all holds together.
bool TakeRestOfPart(Cursor& in, Part& part) {
    if (!TakeFaces(in, part.faces) || !TakeHoleRims(in, part.faces.size(), part.holeRims) ||
        !in.TakeArray(part.holes) || !in.TakeArray(part.sharpCorners) || !in.TakeArray(part.ribs) ||
        !in.TakeArray(part.bosses) || !in.TakeArray(part.featureFaces) ||
        !in.TakeArray(part.edgeSpans) || !TakeSolids(in, part.faces.size(), part.solids) ||
        !TakeWarnings(in, part.warnings) || !in.AtEnd()) {
        return false;
    }
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
    const bool spansSound = std::ranges::all_of(part.edgeSpans, [&](const EdgeSpan& span) {
        return span.from < part.vertices.size() && span.to < part.vertices.size();
    });
    if (!holesSound || !cornersSound || !ribsSound || !bossesSound || !featureFacesSound ||
        !spansSound || part.vertexNormals.size() != part.vertices.size() ||
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

// Appends whole records, given as their bytes, to the array.
template <typename T>
void AppendRecords(std::vector<T>& values, std::string_view bytes) {
    static_assert(std::is_trivially_copyable_v<T>);
    const std::size_t before = values.size();
    values.resize(before + bytes.size() / sizeof(T));
    if (!bytes.empty()) {
        std::memcpy(values.data() + before, bytes.data(), bytes.size());
    }
}

constexpr int kArrays = 3;
constexpr std::size_t kCountBytes = sizeof(std::uint64_t);

// Calls use with the part's array being read: its vertices, normals, then triangles.
template <typename Use>
void WithArray(Part& part, int array, Use&& use) {
    switch (array) {
        case 0:
            use(part.vertices);
            break;
        case 1:
            use(part.vertexNormals);
            break;
        default:
            use(part.triangles);
            break;
    }
}

}  // namespace

PartAnswerReader::PartAnswerReader(std::size_t maxBytes) : m_left(maxBytes) {}

std::string_view PartAnswerReader::Use(std::string_view& bytes, std::size_t most) {
    const std::string_view used = bytes.substr(0, std::min(most, bytes.size()));
    bytes.remove_prefix(used.size());
    if (used.size() > m_left) {
        m_failed = true;
        return {};
    }
    m_left -= used.size();
    return used;
}

bool PartAnswerReader::Take(std::string_view bytes) {
    while (!bytes.empty() && !m_failed) {
        switch (m_stage) {
            case Stage::Kind:
                m_rest.assign(Use(bytes, 1));
                m_stage = m_rest == std::string(1, static_cast<char>(PartAnswer::Kind::Part))
                              ? Stage::Surfaces
                              : Stage::Rest;
                break;
            case Stage::Surfaces: {
                const std::string_view surfaces = Use(bytes, 1);
                if (m_failed) {
                    break;
                }
                const auto flag = static_cast<unsigned char>(surfaces[0]);
                m_failed = flag > 1;
                m_answer.part.hasSurfaces = flag == 1;
                m_rest.clear();
                m_stage = Stage::Count;
                break;
            }
            case Stage::Count:
                TakeCount(bytes);
                break;
            case Stage::Records:
                TakeRecords(bytes);
                break;
            case Stage::Rest:
                m_rest.append(Use(bytes, bytes.size()));
                break;
        }
    }
    return !m_failed;
}

std::size_t PartAnswerReader::RecordBytes() const {
    return m_array == kArrays - 1 ? sizeof(PartTriangle) : sizeof(Vec3);
}

void PartAnswerReader::TakeCount(std::string_view& bytes) {
    m_partial.append(Use(bytes, kCountBytes - m_partial.size()));
    if (m_partial.size() < kCountBytes) {
        return;
    }
    std::memcpy(&m_count, m_partial.data(), kCountBytes);
    m_partial.clear();
    if (m_count > m_left / RecordBytes()) {
        m_failed = true;
        return;
    }
    // Room for them all at once: the array is filled without being moved.
    WithArray(m_answer.part, m_array, [&](auto& values) { values.reserve(m_count); });
    m_recordsTaken = 0;
    m_stage = Stage::Records;
    if (m_count == 0) {
        NextArray();
    }
}

void PartAnswerReader::TakeRecords(std::string_view& bytes) {
    const std::size_t size = RecordBytes();
    const auto append = [&](std::string_view records) {
        WithArray(m_answer.part, m_array, [&](auto& values) { AppendRecords(values, records); });
        m_recordsTaken += records.size() / size;
    };
    if (!m_partial.empty()) {
        m_partial.append(Use(bytes, size - m_partial.size()));
        if (m_partial.size() < size) {
            return;
        }
        append(m_partial);
        m_partial.clear();
    }
    const std::uint64_t whole =
        std::min<std::uint64_t>(bytes.size() / size, m_count - m_recordsTaken);
    append(Use(bytes, static_cast<std::size_t>(whole) * size));
    if (m_recordsTaken == m_count) {
        NextArray();
        return;
    }
    m_partial.assign(Use(bytes, size));
}

void PartAnswerReader::NextArray() {
    ++m_array;
    m_stage = m_array < kArrays ? Stage::Count : Stage::Rest;
}

std::optional<PartAnswer> PartAnswerReader::Finish() {
    if (m_failed || m_stage != Stage::Rest) {
        return std::nullopt;
    }
    Cursor in(m_rest);
    if (m_array == kArrays) {
        m_answer.kind = PartAnswer::Kind::Part;
        if (!TakeRestOfPart(in, m_answer.part)) {
            return std::nullopt;
        }
        return std::move(m_answer);
    }
    std::uint8_t kind = 0;
    in.Take(kind);
    m_answer.kind = static_cast<PartAnswer::Kind>(kind);
    switch (m_answer.kind) {
        case PartAnswer::Kind::Refusal: {
            std::uint32_t length = 0;
            if (!in.Take(length) || length > kMaxRefusalBytes ||
                !in.TakeText(length, m_answer.refusal)) {
                return std::nullopt;
            }
            // The checker's messages are one line, whatever the reader's library said.
            std::ranges::replace_if(
                m_answer.refusal, [](char c) { return c == '\n' || c == '\r'; }, ' ');
            break;
        }
        case PartAnswer::Kind::OutOfMemory:
            break;
        default:
            return std::nullopt;
    }
    if (!in.AtEnd()) {
        return std::nullopt;
    }
    return std::move(m_answer);
}

}  // namespace check
