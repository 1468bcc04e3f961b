// veritor-sample-parts OUTDIR: writes the parts shipped in samples/, built by the same
// OpenCASCADE code as the checker's test parts, as STEP files in millimetres.
#include <filesystem>
#include <functional>
#include <iostream>
#include <utility>

#include "tests/check/TestParts.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: veritor-sample-parts OUTDIR\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const std::pair<const char*, std::function<TopoDS_Shape()>> parts[] = {
        {"drafted-cup-with-rib.step", [] { return test_parts::DraftedCupWithRib(); }},
        {"housing-with-side-hole.step", [] { return test_parts::Cup(false, true); }},
        {"plate-with-holes-near-edge.step", [] { return test_parts::HolePlate(); }},
    };
    for (const auto& [name, build] : parts) {
        test_parts::WriteStep(build(), folder / name);
        std::cout << (folder / name).string() << '\n';
    }
    return 0;
}
