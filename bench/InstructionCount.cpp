// One conversion of a rule document, for counting its instructions under callgrind where the
// machine has no performance counters. scripts/bench runs it as
//
//   valgrind --tool=callgrind --collect-atstart=no
//       --toggle-collect=veritor_counted_conversion veritor_bench_instructions module|pugixml RULES
//
// so that only what runs inside veritor_counted_conversion is counted. A first conversion,
// not counted, binds the symbols and fills what the module keeps from one document to the next.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "bench/DocumentRoundTrips.h"
#include "bench/RuleDocumentFiles.h"
#include "testing/TemporaryFolder.h"

namespace {

bool Convert(bool module, const std::filesystem::path& file) {
    return module ? ModuleUnits(file) == 0 : PugixmlUnits(file);
}

void Restore(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace

extern "C" __attribute__((noinline)) bool veritor_counted_conversion(
    bool module, const std::filesystem::path& file) {
    return Convert(module, file);
}

int main(int argc, char** argv) {
    const std::string side = argc == 3 ? argv[1] : "";
    if (side != "module" && side != "pugixml") {
        std::cerr << "usage: veritor_bench_instructions module|pugixml RULES\n";
        return 2;
    }
    const RuleDocumentFile& document = RuleDocumentOf(std::atoi(argv[2]));
    const TemporaryFolder folder("veritor-bench");
    const auto file = folder.Path() / "document.xml";
    Restore(file, document.bytes);
    bool converted = Convert(side == "module", file);
    Restore(file, document.bytes);
    converted = converted && veritor_counted_conversion(side == "module", file);
    return converted ? 0 : 1;
}
