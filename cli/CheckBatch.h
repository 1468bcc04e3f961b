#pragma once

#include <ostream>

#include "check/PartChecker.h"
#include "cli/CheckCommand.h"

// Checks every part of options.batch against options.rules, options.jobs parts at a time, each
// read in a reader process of its own, and writes one JSON line per part in the list's order:
// its report, or the error that stopped its check, without stopping the others. A list names
// one part a line (as given, relative to the current folder); a folder gives its STEP, IGES and
// STL files by name. Returns 2 when a part or the document could not be used, else 1 when a
// part's check fails, else 0; throws CheckError when the document or the list cannot be read.
int RunCheckBatch(const CheckCommandOptions& options, check::CheckOptions checking,
                  std::ostream& out);
