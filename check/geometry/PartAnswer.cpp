#include "check/geometry/PartAnswer.h"

#include <type_traits>

#include "check/geometry/PartAnswerLayout.h"
#include "check/geometry/PartAnswerReader.h"

namespace check {
namespace {

using namespace part_answer;

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
static_assert(std::is_trivially_copyable_v<EdgeSpan> &&
              sizeof(EdgeSpan) == 3 * sizeof(std::uint32_t));

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

}  // namespace

void PartAnswer::WritePart(const Part& part, const Sink& write) {
    // The large arrays first, so that the reading end can fill the part's own arrays as they come
    // (PartAnswerReader).
    std::string kind;
    Append(kind, Kind::Part);
    Append(kind, static_cast<std::uint8_t>(part.hasSurfaces ? 1 : 0));
    write(kind);
    WriteArray(part.vertices, write);
    WriteArray(part.vertexNormals, write);
    WriteArray(part.triangles, write);
    std::string faces;
    Append(faces, static_cast<std::uint64_t>(part.faces.size()));
    for (const PartFace& face : part.faces) {
        Append(faces, static_cast<std::uint8_t>(face.surface));
        Append(faces,
               static_cast<std::uint8_t>((face.blend ? kBlend : 0) | (face.hole ? kHole : 0) |
                                         (face.round ? kRound : 0)));
        Append(faces, face.radius);
        Append(faces, face.area);
        Append(faces, face.extent);
    }
    write(faces);
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
    WriteArray(part.edgeSpans, write);
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
    PartAnswerReader reader(bytes.size());
    reader.Take(bytes);
    return reader.Finish();
}

}  // namespace check
