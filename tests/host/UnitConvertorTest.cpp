#include "host/CTeskUnitConvertor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "host/TeskTypes.h"

namespace {

constexpr int kLength = TESK_UNIT_KIND_LENGTH;
constexpr int kAngle = TESK_UNIT_KIND_ANGLE;

TEST(CTeskUnitConvertor, RealFactors) {
    struct Case {
        double value;
        int kind, from, to;
        double expected;
    };
    const Case cases[] = {
        {25.4, kLength, 0, 3, 1.0},     // mm -> in
        {1.0, kLength, 3, 0, 25.4},     // in -> mm
        {1.0, kLength, 2, 0, 1000.0},   // m -> mm
        {1.0, kLength, 1, 0, 10.0},     // cm -> mm
        {1.0, kLength, 4, 3, 12.0},     // ft -> in
        {2.0, kLength, 5, 4, 2.0},      // feet-and-inches are held in feet
        {1.0, kLength, 0, 6, 1e7},      // mm -> angstrom
        {1.0, kLength, 8, 7, 1000.0},   // micrometre -> nm
        {1.0, kLength, 9, 8, 25.4},     // mil -> micrometre
        {1000.0, kLength, 10, 9, 1.0},  // microinch -> mil
        {std::numbers::pi, kAngle, 1, 0, 180.0},
        {90.0, kAngle, 0, 1, std::numbers::pi / 2},
        {12.5, kAngle, 2, 3, 12.5},  // both held in degrees
        {12.5, kAngle, 0, 2, 12.5},
        {-3.0, kLength, 0, 1, -0.3},
    };
    const CTeskUnitConvertor convertor;
    for (const Case& c : cases) {
        EXPECT_NEAR(convertor.ConversionFromOneUnitToAnother(c.value, c.kind, c.from, c.to),
                    c.expected, std::abs(c.expected) * 1e-12)
            << c.value << " kind " << c.kind << " from " << c.from << " to " << c.to;
    }
}

TEST(CTeskUnitConvertor, EveryPairRoundTrips) {
    const CTeskUnitConvertor convertor;
    for (const auto& [kind, codes] : {std::pair{kLength, 11}, std::pair{kAngle, 4}}) {
        for (int from = 0; from < codes; ++from) {
            for (int to = 0; to < codes; ++to) {
                const double there = convertor.ConversionFromOneUnitToAnother(3.7, kind, from, to);
                EXPECT_NEAR(convertor.ConversionFromOneUnitToAnother(there, kind, to, from), 3.7,
                            1e-12)
                    << "kind " << kind << " from " << from << " to " << to;
            }
        }
    }
}

TEST(CTeskUnitConvertor, UnknownKindsAndCodesLeaveTheValue) {
    struct Case {
        int kind, from, to;
    };
    const Case cases[] = {
        {kLength, 11, 0}, {kLength, 0, 11}, {kLength, -1, 3}, {kAngle, 4, 0},
        {kAngle, 0, 4},   {0, 0, 3},        {3, 1, 0},        {kLength, 1000000, -1000000},
    };
    const CTeskUnitConvertor convertor;
    for (const Case& c : cases) {
        EXPECT_EQ(convertor.ConversionFromOneUnitToAnother(2.5, c.kind, c.from, c.to), 2.5)
            << "kind " << c.kind << " from " << c.from << " to " << c.to;
    }
}

}  // namespace
