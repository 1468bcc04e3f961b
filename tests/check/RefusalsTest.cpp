#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>

#include "check/CheckError.h"
#include "tests/check/CheckFixture.h"
#include "tests/check/TestParts.h"
#include "tests/cli/CommandRunner.h"

namespace {

class RefusalsTest : public CheckFixture {};

void Write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct Refusal {
    std::string file;
    std::function<void(const std::filesystem::path&)> make;
    std::string problem;
};

TEST_F(RefusalsTest, UnusablePartsAreRefusedWithOneLineNamingTheFile) {
    test_parts::WriteStep(test_parts::DraftedBlock(1, 1, 1, 1), Path("good.step"));
    const std::string good = ReadWholeFile(Path("good.step"));
    const std::vector<Refusal> refusals{
        {"text.step", [](auto& p) { Write(p, "not a part at all\n"); }, "not a readable STEP file"},
        {"broken.step", [&](auto& p) { Write(p, good.substr(0, good.size() / 2)); },
         "not a readable STEP file"},
        {"empty.step", [](auto& p) { Write(p, ""); }, "is empty"},
        {"face.step", [](auto& p) { test_parts::WriteStep(test_parts::LoneFace(), p); },
         "holds no solid"},
        {"notes.txt", [](auto& p) { Write(p, "hello\n"); }, "not a STEP, IGES or STL file"},
        {"nan.stl",
         [](auto& p) {
             // A binary STL of one triangle with a corner at x = NaN.
             std::string bytes(84, '\0');
             bytes[80] = 1;
             std::string triangle(50, '\0');
             const float corners[12] = {0, 0, 1, std::nanf(""), 0, 0, 1, 0, 0, 0, 1, 0};
             std::memcpy(triangle.data(), corners, sizeof corners);
             Write(p, bytes + triangle);
         },
         "not a finite number"},
        {"junk.stl", [](auto& p) { Write(p, std::string(200, '\x7f')); },
         "not a readable STL file"},
        {"folder.step", [](auto& p) { std::filesystem::create_directory(p); }, "is a folder"},
        {"missing.step", [](auto&) {}, "cannot be read"},
    };
    const std::filesystem::path rules = Rules("mm");
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.file);
        const std::filesystem::path part = Path(refusal.file);
        refusal.make(part);
        try {
            Check(part, rules);
            ADD_FAILURE() << "accepted";
        } catch (const check::CheckError& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind(part.string() + ": ", 0), 0u) << message;
            EXPECT_NE(message.find(refusal.problem), std::string::npos) << message;
            EXPECT_EQ(message.find('\n'), std::string::npos) << message;
        }
    }
}

TEST_F(RefusalsTest, AnUnusableRuleDocumentIsRefusedNamingIt) {
    test_parts::WriteStep(test_parts::DraftedBlock(1, 1, 1, 1), Path("part.step"));
    Write(Path("rules.xml"), "<RuleSet Unit=\"0\"");
    try {
        Check(Path("part.step"), Path("rules.xml"));
        ADD_FAILURE() << "accepted";
    } catch (const check::CheckError& error) {
        EXPECT_EQ(std::string(error.what()).rfind(Path("rules.xml").string() + ": ", 0), 0u)
            << error.what();
    }
}

}  // namespace
