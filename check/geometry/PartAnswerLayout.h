#pragma once

#include <cstddef>
#include <cstdint>

// The sizes and flags both ends of a PartAnswer agree on.
namespace check::part_answer {

// The longest refusal taken: a long path and its problem, far from what a pipe could carry.
inline constexpr std::size_t kMaxRefusalBytes = 16 * 1024;
// A face: its surface kind, its flags, radius, area and extent.
inline constexpr std::size_t kFaceBytes = 2 + 3 * sizeof(double);
// A hole rim: its face and its distance.
inline constexpr std::size_t kRimBytes = sizeof(std::uint32_t) + sizeof(double);
// A solid: its first face, its face count and its open edges.
inline constexpr std::size_t kSolidBytes = 3 * sizeof(std::uint32_t);
// The longest warning kept: a line naming a shell, far from what a pipe could carry.
inline constexpr std::size_t kMaxWarningBytes = 1024;
inline constexpr std::uint8_t kBlend = 1;
inline constexpr std::uint8_t kHole = 2;
inline constexpr std::uint8_t kRound = 4;

}  // namespace check::part_answer
