// One conversion of a rule document in a process of its own, as a person runs
// `veritor-rules units` once on a file: the heap and the caches hold nothing from an earlier
// conversion. veritor_bench_documents runs it as
//
//   veritor_bench_conversion module|pugixml FILE
//
// and reads from its output the processor time the conversion took, in nanoseconds (the time
// of the process's start, the module's included, is not counted).
#include <time.h>

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>

#include "bench/DocumentRoundTrips.h"

namespace {

std::int64_t ProcessorNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string side = argc == 3 ? argv[1] : "";
    if (side != "module" && side != "pugixml") {
        std::cerr << "usage: veritor_bench_conversion module|pugixml FILE\n";
        return 2;
    }
    const std::filesystem::path file = argv[2];
    const std::int64_t start = ProcessorNanoseconds();
    const bool converted = side == "module" ? ModuleUnits(file) == 0 : PugixmlUnits(file);
    const std::int64_t spent = ProcessorNanoseconds() - start;
    if (!converted) {
        std::cerr << file.string() << ": not converted\n";
        return 1;
    }
    std::cout << spent << "\n";
    return 0;
}
