#pragma once

#include <filesystem>

// 2 x 1250 x 400 triangles: the large part the check and part view benchmarks share.
inline constexpr double kRingTriangles = 2.0 * 1250 * 400;

// A ring with a rippled surface (undercuts, walls of changing thickness, faces of every size),
// written once as a binary STL in a folder removed at exit.
const std::filesystem::path& RingPart();
