#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "check/geometry/Part.h"

namespace check {

// What veritor-part-reader tells the checker on its pipe: the part it read, the one-line reason it
// refused the file, or that it ran out of memory. Both ends are one build, so numbers travel in
// the machine's own form; the reading end still checks every count against the bytes there are
// and every index against what it indexes, since a reader that fails may write anything.
struct PartAnswer {
    enum class Kind : std::uint8_t { Part = 1, Refusal = 2, OutOfMemory = 3 };

    Kind kind = Kind::Refusal;
    // Kind::Part: the part, its name left for the reading end to give.
    Part part;
    // Kind::Refusal: one line naming the file and the problem.
    std::string refusal;

    // Takes the answer's bytes piece by piece: a part goes out without a copy of its arrays.
    using Sink = std::function<void(std::string_view bytes)>;
    static void WritePart(const Part& part, const Sink& write);
    static void WriteRefusal(std::string_view message, const Sink& write);
    // Allocates nothing: it is written when memory has run out.
    static void WriteOutOfMemory(const Sink& write);

    // Nothing unless the bytes are one whole answer whose part holds together.
    static std::optional<PartAnswer> Decode(std::string_view bytes);
};

}  // namespace check
