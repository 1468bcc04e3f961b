#pragma once

#include <filesystem>
#include <string_view>

// A file beside this program: in the staged or installed tree's bin/ folder for veritor-rules,
// found wherever the tree lies.
std::filesystem::path BesideThisProgram(std::string_view name);

// A file beside this library (veritordocument.so), which lies in the staged or installed tree's
// bin/ folder whatever program loaded it: veritor-rules, veritor-studio or a test elsewhere.
std::filesystem::path BesideThisLibrary(std::string_view name);
