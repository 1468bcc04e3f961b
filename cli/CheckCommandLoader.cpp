#include <dlfcn.h>

#include <iostream>
#include <thread>

#include "cli/CheckCommand.h"
#include "document/StagedFiles.h"

namespace {

constexpr int kExitUnusable = 2;

}  // namespace

// The library stays loaded until the program ends: the part checker's ray tracer keeps worker
// threads that must not outlive its code. The check runs on a thread of its own so that the
// per-thread blocks the ray tracer's library allocates end with that thread: the sanitizer build's
// leak checker misreads such a block of a library loaded at run time when the block is still
// alive at exit and happens to start 16 bytes past a page boundary (it takes it for an old C
// library's block header).
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
    int status = kExitUnusable;
    std::thread([&] { status = run(&options); }).join();
    return status;
}
