#include "check/geometry/IsolatedPartReader.h"

#include <fmt/format.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <system_error>

#include "check/CheckCancelled.h"
#include "check/CheckError.h"
#include "check/ChildProcess.h"
#include "check/geometry/PartAnswerReader.h"
#include "check/geometry/PartFile.h"
#include "document/StagedFiles.h"

namespace check {
namespace {

// A part within the triangle bound answers at most three vertices with their normals and a
// face per triangle (186 bytes); the rest leaves room for faces that mesh to nothing.
constexpr std::size_t kAnswerBytesPerTriangle = 256;
constexpr std::size_t kAnswerSlackBytes = 64 << 20;

// Its arguments, in the order veritor-part-reader takes them.
std::vector<std::string> ReaderArguments(const std::filesystem::path& path, double stlUnit,
                                         const IsolatedPartReader::Limits& limits) {
    return {path.string(), fmt::format("{}", stlUnit), std::to_string(limits.reading.maxTriangles),
            std::to_string(limits.reading.maxFileBytes), std::to_string(limits.memoryBytes),
            // The processor limit backs up the wall clock should this process vanish; a second
            // later, so that the wall clock's message is the one given.
            std::to_string(static_cast<long long>(std::ceil(limits.seconds)) + 1)};
}

std::chrono::steady_clock::time_point DeadlineAfter(double seconds) {
    return std::chrono::steady_clock::now() +
           std::chrono::duration_cast<std::chrono::steady_clock::duration>(
               std::chrono::duration<double>(seconds));
}

// What went wrong with the child, when something did; empty when it exited having answered.
std::string Mishap(const ChildProcess::Outcome& outcome, double seconds) {
    if (outcome.timedOut || outcome.signal == SIGXCPU) {
        return fmt::format("the reader ran out of time after {} s", seconds);
    }
    if (outcome.signal != 0) {
        return fmt::format("the reader crashed (signal {}) reading it", outcome.signal);
    }
    if (outcome.exitStatus != 0) {
        return fmt::format("the reader crashed (exit status {}) reading it", outcome.exitStatus);
    }
    if (outcome.answerTooLarge) {
        return "the reader's answer is larger than any part it may read";
    }
    return {};
}

}  // namespace

IsolatedPartReader::IsolatedPartReader(double stlUnitInMillimetres, Limits limits)
    : m_stlUnit(stlUnitInMillimetres), m_limits(limits) {}

Part IsolatedPartReader::Read(const std::filesystem::path& path, std::stop_token stop,
                              const std::function<void(double)>& fileRead) const {
    // Refused here, before a child is started: a FIFO or device could block any reader.
    CheckPartFile(path, m_limits.reading.maxFileBytes);
    const std::string name = path.string();
    const std::filesystem::path program = BesideThisLibrary("veritor-part-reader");
    const std::size_t maxAnswerBytes =
        kAnswerBytesPerTriangle * m_limits.reading.maxTriangles + kAnswerSlackBytes;
    PartAnswerReader reader(maxAnswerBytes);
    ChildProcess::Outcome outcome;
    try {
        ChildProcess child(program, ReaderArguments(path, m_stlUnit, m_limits));
        const double fileBytes =
            static_cast<double>(std::max<std::uintmax_t>(std::filesystem::file_size(path), 1));
        const auto tellRead = [&] {
            fileRead(std::min(1.0, static_cast<double>(child.BytesRead()) / fileBytes));
        };
        // The answer is decoded as it comes, so that the part is never held twice.
        outcome = child.Finish(DeadlineAfter(m_limits.seconds), maxAnswerBytes, std::move(stop),
                               fileRead ? std::function<void()>(tellRead) : std::function<void()>(),
                               [&](std::string_view bytes) { reader.Take(bytes); });
    } catch (const std::system_error& error) {
        throw CheckError(fmt::format("{}: the part reader {} cannot be run: {}", name,
                                     program.string(), error.code().message()));
    }
    if (outcome.cancelled) {
        throw CheckCancelled();
    }
    if (const std::string mishap = Mishap(outcome, m_limits.seconds); !mishap.empty()) {
        throw CheckError(fmt::format("{}: {}", name, mishap));
    }
    std::optional<PartAnswer> answer = reader.Finish();
    if (!answer) {
        throw CheckError(name + ": the reader gave an answer that cannot be read");
    }
    switch (answer->kind) {
        case PartAnswer::Kind::Refusal:
            throw CheckError(answer->refusal);
        case PartAnswer::Kind::OutOfMemory:
            throw CheckError(name + ": the reader ran out of memory");
        case PartAnswer::Kind::Part:
            break;
    }
    answer->part.name = name;
    return std::move(answer->part);
}

std::uintmax_t IsolatedPartReader::PhysicalMemoryBytes() {
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageBytes = ::sysconf(_SC_PAGE_SIZE);
    return pages > 0 && pageBytes > 0
               ? static_cast<std::uintmax_t>(pages) * static_cast<std::uintmax_t>(pageBytes)
               : std::uintmax_t{1} << 34;
}

}  // namespace check
