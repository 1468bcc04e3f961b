#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/tools/DialogFile.h"

// Checks that a language's dialogs are laid out so that nothing is cut off or covered: every
// label's text, measured in the dialog's own font, fits its box; no two controls overlap; and
// every control keeps the dialog's margin of 7 units on the right and at the bottom.
namespace resgen {

struct LayoutProblem {
    int line = 0;  // the control's line in the file
    std::uint32_t dialogId = 0;
    std::int32_t controlId = 0;
    std::string problem;
};

// Throws std::runtime_error when a dialog's font cannot be found.
std::vector<LayoutProblem> CheckDialogLayout(const DialogTable& dialogs);

}  // namespace resgen
