#pragma once

#include <filesystem>
#include <string_view>

// A file of the staged (or installed) tree's bin/ folder, which holds this program: found beside
// it, wherever the tree lies.
std::filesystem::path BesideThisProgram(std::string_view name);
