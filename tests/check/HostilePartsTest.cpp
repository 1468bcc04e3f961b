#include <gmock/gmock.h>
#include <sys/stat.h>

#include <array>
#include <cstring>
#include <fstream>
#include <functional>

#include "check/CheckError.h"
#include "check/geometry/IsolatedPartReader.h"
#include "tests/check/CheckFixture.h"
#include "tests/check/TestParts.h"
#include "tests/cli/CommandRunner.h"

using testing::HasSubstr;

namespace {

class HostilePartsTest : public CheckFixture {};

void Write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A binary STL of a 10 mm cube, its header starting "solid". Without normals, every byte of its
// first 134 is below 127, which is how a reader that guesses by content takes a file for text.
std::string CubeStl(bool withNormals) {
    std::string bytes = "solid cube";
    bytes.resize(80, '\0');
    const std::uint32_t count = 12;
    bytes.append(reinterpret_cast<const char*>(&count), sizeof count);
    // Each side of the cube as two triangles: its outward normal, then its four corners
    // counter-clockwise seen from outside.
    struct Side {
        std::array<float, 3> normal;
        std::array<std::array<float, 3>, 4> corners;
    };
    const std::array<Side, 6> sides{{
        {{0, 0, -1}, {{{0, 0, 0}, {0, 10, 0}, {10, 10, 0}, {10, 0, 0}}}},
        {{0, 0, 1}, {{{0, 0, 10}, {10, 0, 10}, {10, 10, 10}, {0, 10, 10}}}},
        {{0, -1, 0}, {{{0, 0, 0}, {10, 0, 0}, {10, 0, 10}, {0, 0, 10}}}},
        {{0, 1, 0}, {{{0, 10, 0}, {0, 10, 10}, {10, 10, 10}, {10, 10, 0}}}},
        {{-1, 0, 0}, {{{0, 0, 0}, {0, 0, 10}, {0, 10, 10}, {0, 10, 0}}}},
        {{1, 0, 0}, {{{10, 0, 0}, {10, 10, 0}, {10, 10, 10}, {10, 0, 10}}}},
    }};
    for (const Side& side : sides) {
        for (const std::array<int, 3> triangle : {std::array{0, 1, 2}, std::array{0, 2, 3}}) {
            std::array<float, 12> record{};
            if (withNormals) {
                std::copy(side.normal.begin(), side.normal.end(), record.begin());
            }
            for (int k = 0; k < 3; ++k) {
                const auto& corner = side.corners[triangle[k]];
                std::copy(corner.begin(), corner.end(), record.begin() + 3 + 3 * k);
            }
            bytes.append(reinterpret_cast<const char*>(record.data()), sizeof record);
            bytes.append(2, '\0');
        }
    }
    return bytes;
}

struct HostilePart {
    std::string file;
    std::function<void(const std::filesystem::path&)> make;
    // What veritor-rules says after "veritor-rules: FILE: ".
    std::string problem;
};

// Each is refused with exit status 2 and one line naming the file, and veritor-rules itself
// lives to say so.
TEST_F(HostilePartsTest, PartsThatCrashOrBlockTheReaderAreRefusedInOneLine) {
    const std::vector<HostilePart> parts{
        {"self-edge.step", [](auto& p) { Write(p, test_parts::SelfReferencingEdgeStep()); },
         "the reader crashed ("},
        // Deep, but within the reader's stack: read through, and found to hold no solid.
        {"nested.step", [](auto& p) { Write(p, test_parts::NestedListStep(100'000)); },
         "holds no solid"},
        {"fifo.stl", [](auto& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
         "not a regular file"},
    };
    Rules("mm");
    for (const HostilePart& part : parts) {
        SCOPED_TRACE(part.file);
        part.make(Path(part.file));
        const CommandResult result =
            RunVeritorRules(Folder(), "check " + part.file + " rules1.xml");
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_THAT(result.err,
                    testing::StartsWith("veritor-rules: " + part.file + ": " + part.problem));
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

TEST_F(HostilePartsTest, ABinaryStlWithoutNormalsIsCheckedAsItsNormalsWouldBe) {
    Write(Path("normals.stl"), CubeStl(true));
    Write(Path("zero-normals.stl"), CubeStl(false));
    Rules("mm");
    const CommandResult reference = RunVeritorRules(Folder(), "check normals.stl rules1.xml");
    const CommandResult zero = RunVeritorRules(Folder(), "check zero-normals.stl rules1.xml");
    ASSERT_NE(reference.status, 2) << reference.err;
    ASSERT_EQ(zero.status, reference.status) << zero.err;
    EXPECT_THAT(zero.out, HasSubstr("\nDraft Angle: "));
    const auto report = [](const std::string& out) { return out.substr(out.find('\n')); };
    EXPECT_EQ(report(zero.out), report(reference.out));
}

// The limits the checker's reader runs in, made small enough to reach with a file that takes
// the reader a good part of a second.
TEST_F(HostilePartsTest, TheReaderIsStoppedAtItsTimeAndMemoryLimits) {
    Write(Path("nested.step"), test_parts::NestedListStep(100'000));
    struct Limit {
        std::string name;
        std::function<void(check::IsolatedPartReader::Limits&)> set;
        std::string problem;
    };
    std::vector<Limit> limits{
        {"time", [](auto& l) { l.seconds = 0.05; }, "the reader ran out of time after 0.05 s"},
    };
#ifndef VERITOR_NO_MEMORY_BOUND
    limits.push_back(
        {"memory", [](auto& l) { l.memoryBytes = 1 << 20; }, "the reader ran out of memory"});
#endif
    for (const Limit& limit : limits) {
        SCOPED_TRACE(limit.name);
        check::IsolatedPartReader::Limits bounds;
        limit.set(bounds);
        try {
            check::IsolatedPartReader(1.0, bounds).Read(Path("nested.step"));
            ADD_FAILURE() << "read";
        } catch (const check::CheckError& error) {
            EXPECT_EQ(error.what(), Path("nested.step").string() + ": " + limit.problem);
        }
    }
}

}  // namespace
