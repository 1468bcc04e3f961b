#include "document/StagedFiles.h"

#include <dlfcn.h>

#include <system_error>

std::filesystem::path BesideThisProgram(std::string_view name) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return (error ? std::filesystem::current_path() : self.parent_path()) / name;
}

std::filesystem::path BesideThisLibrary(std::string_view name) {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&BesideThisLibrary), &info) == 0 ||
        info.dli_fname == nullptr) {
        return BesideThisProgram(name);
    }
    std::error_code error;
    const std::filesystem::path library = std::filesystem::canonical(info.dli_fname, error);
    return error ? BesideThisProgram(name) : library.parent_path() / name;
}
