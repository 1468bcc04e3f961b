#include "document/StagedFiles.h"

#include <system_error>

std::filesystem::path BesideThisProgram(std::string_view name) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return (error ? std::filesystem::current_path() : self.parent_path()) / name;
}
