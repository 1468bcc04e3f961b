#pragma once

#include <stdexcept>

namespace check {

// A part or rule document that cannot be checked; the message is one line naming the file and
// the problem.
class CheckError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace check
