#include <dlfcn.h>

#include <iostream>

#include "cli/CheckCommand.h"
#include "document/StagedFiles.h"

namespace {

constexpr int kExitUnusable = 2;

}  // namespace

// The library stays loaded until the program ends: the part checker's ray tracer keeps worker
// threads that must not outlive its code.
int RunCheck(const CheckCommandOptions& options) {
    const std::filesystem::path library = BesideThisProgram("veritor-rules-check.so");
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    const auto run =
        handle ? reinterpret_cast<decltype(&VeritorRunCheck)>(dlsym(handle, "VeritorRunCheck"))
               : nullptr;
    if (!run) {
        const char* reason = dlerror();
        std::cerr << "veritor-rules: " << library.string()
                  << ": cannot load the check command: " << (reason ? reason : "unknown reason")
                  << "\n";
        return kExitUnusable;
    }
    return run(&options);
}
