#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// Runs the staged veritor-rules as a user would, in a folder of the test's, and keeps what it
// printed.
struct CommandResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// Runs a command through the shell and keeps its standard output and exit status.
inline CommandResult RunShell(const std::string& command) {
    CommandResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        return result;
    }
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        result.out.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

inline CommandResult RunVeritorRules(const std::filesystem::path& folder,
                                     const std::string& arguments) {
    const std::filesystem::path program =
        std::filesystem::path(VERITOR_STAGE_DIR) / "bin/veritor-rules";
    const std::filesystem::path errors = folder / ".stderr";
    const std::string command = "cd '" + folder.string() + "' && '" + program.string() + "' " +
                                arguments + " 2>'" + errors.string() + "'";
    CommandResult result = RunShell(command);
    result.err = ReadWholeFile(errors);
    std::filesystem::remove(errors);
    return result;
}
