#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CTeskRule;

namespace check {

// A parameter of a loaded rule as the checks read it: on or off, its operator and its values,
// in the rule document's units.
struct StoredParameter {
    bool found = false;
    bool on = false;
    int op = 0;
    std::vector<double> values;

    static StoredParameter Of(CTeskRule& rule, std::int32_t id);
};

// A limit a measured value must meet by the limit's operator. A value within the tolerance
// (relative to the limit, or absolute below one; by default a hundred-thousandth) of the limit
// counts as equal to it.
struct RuleLimit {
    static constexpr double kMeasuringTolerance = 1e-5;

    bool on = false;
    int op = 0;
    double value = 0;

    // The parameter's first value as a limit, on while the parameter is on and has a value.
    static RuleLimit FirstValueOf(CTeskRule& rule, std::int32_t id);

    // True for the operators a single measured value can be held against (=, <, >, >=, <=).
    bool Usable() const;
    bool Meets(double measured, double tolerance = kMeasuringTolerance) const;
    std::string OperatorText() const;
};

// Rounds to the six decimals the document keeps.
double SixDecimals(double value);

}  // namespace check
