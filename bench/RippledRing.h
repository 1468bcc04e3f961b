#pragma once

#include <filesystem>

// A ring of 1,000,000 triangles with a rippled surface: undercuts, walls of changing thickness,
// faces of every size. Written as a binary STL once per program, removed at its end.
inline constexpr int kRippledRingAround = 1250;  // grid lines around the ring
inline constexpr int kRippledRingAcross = 400;   // and around its tube
inline constexpr double kRippledRingTriangles = 2.0 * kRippledRingAround * kRippledRingAcross;

const std::filesystem::path& RippledRingStl();
