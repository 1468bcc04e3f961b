#pragma once

#include <cstdint>
#include <string>

namespace check {

// The rule document's unit system, and the way between it and the part's millimetres and
// radians.
class DocumentUnits {
public:
    DocumentUnits(std::int32_t linear, std::int32_t angular)
        : m_linear(linear), m_angular(angular) {}

    double LengthToMillimetres(double value) const;
    double LengthFromMillimetres(double millimetres) const;
    double AreaFromSquareMillimetres(double area) const;
    double AngleToRadians(double value) const;
    double AngleFromRadians(double radians) const;

    std::int32_t Linear() const { return m_linear; }
    std::string LengthName() const;
    std::string AngleName() const;

    // The length of one unit of this code in millimetres.
    static double MillimetresPer(std::int32_t linear);

private:
    std::int32_t m_linear;
    std::int32_t m_angular;
};

}  // namespace check
