#pragma once

#include <stdexcept>

// A problem with a rule document or its file; the message names the file and the problem, so a
// program shows it as it stands.
class DocumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
