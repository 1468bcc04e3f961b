#pragma once

#include <exception>

namespace check {

// A check stopped because its caller asked it to: no report comes of it. Not a CheckError, so
// that no one reports it as a fault of the part.
class CheckCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "the check was cancelled"; }
};

}  // namespace check
