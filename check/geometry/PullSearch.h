#pragma once

#include <cstddef>
#include <stop_token>
#include <vector>

#include "check/geometry/Part.h"
#include "check/geometry/PullCandidates.h"

namespace check {

// How a pull direction does on a part: the area neither half reaches along it, and the areas
// each half forms, in square millimetres.
struct PullTrial {
    PullCandidate candidate;
    double undercutArea = 0;
    // The faces facing along the pull and against it: their areas and how deep into the part
    // they lie from its far end that way, area-weighted.
    double facingArea = 0;
    double facingDepth = 0;
    double backingArea = 0;
    double backingDepth = 0;
};

// Tries each candidate on the given solids of the part, each solid with rays of its own as the
// checks cast them, at most `samples` samples a solid; a stop asked for ends the rays early (the
// caller then throws the trials away).
std::vector<PullTrial> TryPulls(const Part& part, const std::vector<std::size_t>& solids,
                                const std::vector<PullCandidate>& candidates, std::size_t samples,
                                unsigned threads, std::stop_token stop = {});

// The trial with the least undercut area (the earlier of two within round-off), turned so that
// the cavity forms the part's outside: the faces it draws off lie at the part's far end, while
// the core's lie deep inside it (a cup's ceiling under its top). A part with no inside keeps the
// candidate's own sense.
PullTrial BestPull(const std::vector<PullTrial>& trials);

}  // namespace check
