#include "host/CTeskUnitConvertor.h"

#include <array>
#include <numbers>
#include <optional>

#include "host/TeskTypes.h"

namespace {

// Size of one unit in metres, by linear code.
constexpr std::array<double, 11> kMetresPerUnit{
    1e-3, 1e-2, 1.0, 0.0254, 0.3048, 0.3048, 1e-10, 1e-9, 1e-6, 0.0254e-3, 0.0254e-6,
};

// Size of one unit in degrees, by angular code.
constexpr std::array<double, 4> kDegreesPerUnit{1.0, 180.0 / std::numbers::pi, 1.0, 1.0};

template <std::size_t N>
std::optional<double> Factor(const std::array<double, N>& factors, int code) {
    if (code < 0 || static_cast<std::size_t>(code) >= N) {
        return std::nullopt;
    }
    return factors[static_cast<std::size_t>(code)];
}

}  // namespace

double CTeskUnitConvertor::ConversionFromOneUnitToAnother(double value, int unitKind, int fromCode,
                                                          int toCode) const {
    std::optional<double> from;
    std::optional<double> to;
    if (unitKind == TESK_UNIT_KIND_LENGTH) {
        from = Factor(kMetresPerUnit, fromCode), to = Factor(kMetresPerUnit, toCode);
    } else if (unitKind == TESK_UNIT_KIND_ANGLE) {
        from = Factor(kDegreesPerUnit, fromCode), to = Factor(kDegreesPerUnit, toCode);
    }
    if (!from || !to || fromCode == toCode) {
        return value;
    }
    return value * *from / *to;
}
