#pragma once

#include <cstdint>
#include <filesystem>

namespace check {

// Refuses, with a CheckError naming the file, what is not a readable regular file of a usable
// size, without opening anything that could block (a FIFO, a device); returns its size.
std::uintmax_t CheckPartFile(const std::filesystem::path& path, std::uintmax_t maxBytes);

}  // namespace check
