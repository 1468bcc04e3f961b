// A part file from outside, read as veritor-rules check reads it: through veritor-part-reader, in
// a process of its own. The input is written as a STEP file when it starts as one and as an STL
// otherwise. Whatever the reader does with it (refuses it, crashes, overflows its stack, runs out
// of time), this process gets a part whose every index is in range, or one line naming the file.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "check/CheckError.h"
#include "check/geometry/IsolatedPartReader.h"
#include "testing/TemporaryFolder.h"

namespace {

// Long enough for every kept input, short enough that an input that stalls the reader costs
// seconds of a fuzzing run, not minutes.
constexpr double kReadSeconds = 10;

[[noreturn]] void Fail(const char* problem, const std::string& detail) {
    std::fprintf(stderr, "%s\n%s\n", problem, detail.c_str());
    std::abort();
}

void ExpectPartHoldsTogether(const check::Part& part) {
    const bool inRange = std::ranges::all_of(part.triangles, [&](const check::PartTriangle& t) {
        return t.face < part.faces.size() && std::ranges::all_of(t.vertex, [&](std::uint32_t v) {
                   return v < part.vertices.size();
               });
    });
    if (!inRange || part.vertexNormals.size() != part.vertices.size()) {
        Fail("a part read has an index out of range", part.name);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TemporaryFolder folder("veritor-fuzz-part");
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::filesystem::path file =
        folder.Path() / (bytes.starts_with("ISO-10303-21") ? "input.step" : "input.stl");
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    check::IsolatedPartReader::Limits limits;
    limits.seconds = kReadSeconds;
    try {
        ExpectPartHoldsTogether(check::IsolatedPartReader(1.0, limits).Read(file));
    } catch (const check::CheckError& error) {
        const std::string message = error.what();
        if (!message.starts_with(file.string() + ": ") || message.find('\n') != std::string::npos) {
            Fail("a refusal is not one line naming the file:", message);
        }
    }
    return 0;
}
