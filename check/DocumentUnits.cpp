#include "check/DocumentUnits.h"

#include "document/UnitCodes.h"
#include "host/CTeskUnitConvertor.h"

namespace check {
namespace {

constexpr int kLength = 1;
constexpr int kAngle = 2;
constexpr std::int32_t kMillimetres = 0;
constexpr std::int32_t kRadians = 1;

}  // namespace

double DocumentUnits::LengthToMillimetres(double value) const {
    return CTeskUnitConvertor().ConversionFromOneUnitToAnother(value, kLength, m_linear,
                                                               kMillimetres);
}

double DocumentUnits::LengthFromMillimetres(double millimetres) const {
    return CTeskUnitConvertor().ConversionFromOneUnitToAnother(millimetres, kLength, kMillimetres,
                                                               m_linear);
}

double DocumentUnits::AreaFromSquareMillimetres(double area) const {
    const double unit = LengthFromMillimetres(1.0);
    return area * unit * unit;
}

double DocumentUnits::AngleToRadians(double value) const {
    return CTeskUnitConvertor().ConversionFromOneUnitToAnother(value, kAngle, m_angular, kRadians);
}

double DocumentUnits::AngleFromRadians(double radians) const {
    return CTeskUnitConvertor().ConversionFromOneUnitToAnother(radians, kAngle, kRadians,
                                                               m_angular);
}

std::string DocumentUnits::LengthName() const {
    return LinearUnitName(m_linear);
}

std::string DocumentUnits::AngleName() const {
    return AngularUnitName(m_angular);
}

double DocumentUnits::MillimetresPer(std::int32_t linear) {
    return CTeskUnitConvertor().ConversionFromOneUnitToAnother(1.0, kLength, linear, kMillimetres);
}

}  // namespace check
