#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <stop_token>

#include "check/geometry/Part.h"
#include "check/geometry/PartReader.h"

namespace check {

// Reads a part as PartReader does, but in a process of its own (veritor-part-reader, beside the
// project's libraries) with a deep stack and bounded memory and time: a file that overflows the
// reader's stack, exhausts its memory or makes it hang costs the check, never the program that
// asked, and is reported as a CheckError like any unusable part.
class IsolatedPartReader {
public:
    struct Limits {
        PartReader::Limits reading;
        // Memory the reader may take beyond what it holds when it starts; by default the
        // machine's, which is more than a reading that should end ever needs.
        std::uintmax_t memoryBytes = PhysicalMemoryBytes();
        // Wall-clock time the reader may take, starting included.
        double seconds = 600;
    };

    IsolatedPartReader(double stlUnitInMillimetres, Limits limits);

    // Throws CheckError naming the file and the problem when it cannot be used, including when
    // the reader crashes, runs out of memory or of time reading it. A stop requested on stop
    // kills the reader and throws CheckCancelled. fileRead, when given, is told now and then the
    // share of the file the reader has read, rising to 1.
    Part Read(const std::filesystem::path& path, std::stop_token stop = {},
              const std::function<void(double)>& fileRead = {}) const;

    static std::uintmax_t PhysicalMemoryBytes();

private:
    double m_stlUnit;
    Limits m_limits;
};

}  // namespace check
