#pragma once

#include <optional>
#include <string>

// Whether a file can be handed to the dynamic loader without harm. The loader maps a library and
// reads wherever its headers point, so a file cut short (a copy that stopped, a full disk) kills
// the process with SIGBUS inside the loader. The file is looked at first: a regular file this
// process can read, an ELF image of this machine's class, whose headers and segments all lie
// within it.
namespace platform {

struct LibraryImageProblem {
    bool missing = false;  // no file at the path: nothing to tell anyone about
    std::string what;
};

// What is wrong with the file, or nothing for one the loader may open.
std::optional<LibraryImageProblem> CheckLibraryImage(const std::string& path);

}  // namespace platform
