#include "check/PullDirection.h"

#include <cmath>
#include <sstream>
#include <string>

namespace check {

std::optional<std::array<double, 3>> ParsePullDirection(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::array<double, 3> pull{};
    char comma1 = 0, comma2 = 0;
    std::string rest;
    if (!(in >> pull[0] >> comma1 >> pull[1] >> comma2 >> pull[2]) || comma1 != ',' ||
        comma2 != ',' || (in >> rest) || !std::isfinite(pull[0] + pull[1] + pull[2]) ||
        (pull[0] == 0 && pull[1] == 0 && pull[2] == 0)) {
        return std::nullopt;
    }
    return pull;
}

}  // namespace check
