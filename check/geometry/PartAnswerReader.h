#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "check/geometry/PartAnswer.h"

namespace check {

// Takes a PartAnswer as it arrives on the pipe, piece by piece. The part's vertices, normals
// and triangles, which come first, go straight into the part's arrays, so that the answer is
// never held twice (once as bytes, once as a part); the rest, a small fraction, is kept as bytes
// and decoded at the end.
class PartAnswerReader {
public:
    // maxBytes: the most the whole answer may hold. A count of records that would take more is
    // refused at once, before anything is allocated for it.
    explicit PartAnswerReader(std::size_t maxBytes);

    // Takes the next bytes of the answer; false once they cannot make one.
    bool Take(std::string_view bytes);

    // Nothing unless the bytes taken were one whole answer whose part holds together.
    std::optional<PartAnswer> Finish();

private:
    enum class Stage { Kind, Surfaces, Count, Records, Rest };

    // Up to most of the bytes, taken off their front; nothing, failing, beyond the answer's bound.
    std::string_view Use(std::string_view& bytes, std::size_t most);
    void TakeCount(std::string_view& bytes);
    void TakeRecords(std::string_view& bytes);
    // The record size of the array being read: vertices, normals, then triangles.
    std::size_t RecordBytes() const;
    void NextArray();

    // The bytes the answer may still hold.
    std::size_t m_left;
    bool m_failed = false;
    Stage m_stage = Stage::Kind;
    int m_array = 0;
    std::uint64_t m_count = 0;
    std::uint64_t m_recordsTaken = 0;
    // A count's or a record's bytes that came split between two pieces.
    std::string m_partial;
    PartAnswer m_answer;
    // Everything after the arrays (or after the kind, when it is no part).
    std::string m_rest;
};

}  // namespace check
