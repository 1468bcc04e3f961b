// veritor-part-reader: reads one part for the checker in a process of its own, so that a file
// that crashes OpenCASCADE, exhausts its memory or makes it hang ends this process only.
// IsolatedPartReader starts it as
//     veritor-part-reader PATH STL_UNIT MAX_TRIANGLES MAX_FILE_BYTES MEMORY_BYTES CPU_SECONDS
// and reads its answer (check/geometry/PartAnswer.h) from descriptor 3.
#include <pthread.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>
#include <new>
#include <optional>
#include <string>

#include "check/CheckError.h"
#include "check/ChildProcess.h"
#include "check/geometry/PartAnswer.h"
#include "check/geometry/PartReader.h"

namespace {

// OpenCASCADE's readers recurse once per level of a file's nesting (a list within a list, an
// entity naming the next): a list nested 100,000 deep needs some 14 MiB of stack, more than
// the usual 8. This much reads several times that depth and still lets a file that recurses
// without end crash within a few seconds.
constexpr std::size_t kStackBytes = std::size_t{128} << 20;
constexpr int kExitUsage = 2;
// Set in the sanitizer builds (check/CMakeLists.txt).
#ifdef VERITOR_NO_MEMORY_BOUND
constexpr bool kMemoryBounded = false;
#else
constexpr bool kMemoryBounded = true;
#endif

struct Request {
    std::filesystem::path path;
    double stlUnit = 1;
    check::PartReader::Limits limits;
    std::uintmax_t memoryBytes = 0;
    rlim_t processorSeconds = 0;
};

template <typename T>
bool Parse(const char* text, T& value) {
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, value);
    return error == std::errc() && stop == end;
}

std::optional<Request> ParseRequest(int argc, char** argv) {
    Request request;
    if (argc != 7 || !Parse(argv[2], request.stlUnit) ||
        !Parse(argv[3], request.limits.maxTriangles) ||
        !Parse(argv[4], request.limits.maxFileBytes) || !Parse(argv[5], request.memoryBytes) ||
        !Parse(argv[6], request.processorSeconds)) {
        return std::nullopt;
    }
    request.path = argv[1];
    return request;
}

// A parent that has gone takes no answer; there is nobody left to tell.
void WriteAnswer(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written =
            ::write(check::ChildProcess::kAnswerDescriptor, bytes.data(), bytes.size());
        if (written < 0 && errno != EINTR) {
            return;
        }
        bytes.remove_prefix(written < 0 ? 0 : static_cast<std::size_t>(written));
    }
}

void SetLimit(int resource, rlim_t soft, rlim_t hard) {
    // A stricter limit already in place stays: failing to loosen it is no failure.
    const rlimit limit{soft, hard};
    ::setrlimit(resource, &limit);
}

std::uintmax_t AddressSpaceBytes() {
    std::uintmax_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    return pages * static_cast<std::uintmax_t>(::sysconf(_SC_PAGE_SIZE));
}

// The most address space the process has held.
std::uintmax_t PeakAddressSpaceBytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        std::uintmax_t kibibytes = 0;
        if (std::sscanf(line.c_str(), "VmPeak: %ju kB", &kibibytes) == 1) {
            return kibibytes * 1024;
        }
    }
    return 0;
}

// The memory bound counts from what the program holds once started (its libraries, this
// thread's stack), so that it means the same in every build. Returns the bound.
std::uintmax_t LimitMemory(std::uintmax_t extraBytes) {
    if (!kMemoryBounded) {
        return std::numeric_limits<std::uintmax_t>::max();
    }
    const std::uintmax_t bound = AddressSpaceBytes() + extraBytes;
    SetLimit(RLIMIT_AS, static_cast<rlim_t>(bound), RLIM_INFINITY);
    return bound;
}

// OpenCASCADE's STEP and IGES readers catch their own failures, running out of memory among
// them, and go on to report a file without a solid or an unreadable one. A refusal that came
// with the process within an allocator's largest step of its bound (a new 64 MiB heap reserved
// twice over) is put down to the bound.
bool NearMemoryBound(std::uintmax_t bound) {
    constexpr std::uintmax_t kAllocatorStep = std::uintmax_t{128} << 20;
    return bound - std::min(bound, kAllocatorStep) < PeakAddressSpaceBytes();
}

// Lifted to write the answer: a part that was read within the bound is not lost for the
// answer's buffers.
void LiftMemoryLimit() {
    SetLimit(RLIMIT_AS, RLIM_INFINITY, RLIM_INFINITY);
}

void* ReadAndAnswer(void* data) {
    const Request& request = *static_cast<const Request*>(data);
    const check::PartAnswer::Sink answer = &WriteAnswer;
    const std::uintmax_t memoryBound = LimitMemory(request.memoryBytes);
    std::optional<check::Part> part;
    try {
        part = check::PartReader(request.stlUnit, request.limits).Read(request.path);
    } catch (const check::CheckError& refusal) {
        if (NearMemoryBound(memoryBound)) {
            check::PartAnswer::WriteOutOfMemory(answer);
        } else {
            check::PartAnswer::WriteRefusal(refusal.what(), answer);
        }
        return nullptr;
    } catch (const std::bad_alloc&) {
        check::PartAnswer::WriteOutOfMemory(answer);
        return nullptr;
    }
    LiftMemoryLimit();
    check::PartAnswer::WritePart(*part, answer);
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Request> request = ParseRequest(argc, argv);
    if (!request) {
        std::fprintf(stderr,
                     "usage: veritor-part-reader PATH STL_UNIT MAX_TRIANGLES MAX_FILE_BYTES "
                     "MEMORY_BYTES CPU_SECONDS\n");
        return kExitUsage;
    }
    // Files that crash the reader are expected; each would otherwise leave a core dump.
    SetLimit(RLIMIT_CORE, 0, 0);
    SetLimit(RLIMIT_CPU, request->processorSeconds, request->processorSeconds + 1);
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, kStackBytes);
    pthread_t reader;
    const int started =
        pthread_create(&reader, &attributes, &ReadAndAnswer, const_cast<Request*>(&*request));
    pthread_attr_destroy(&attributes);
    if (started != 0) {
        // Only lack of memory stops a thread from starting.
        check::PartAnswer::WriteOutOfMemory(&WriteAnswer);
        return 0;
    }
    pthread_join(reader, nullptr);
    return 0;
}
