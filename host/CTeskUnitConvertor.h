#pragma once

// Converts measured values between the codes of the host's unit systems.
// Lengths (kind 1): 0 mm, 1 cm, 2 m, 3 in, 4 ft, 5 feet-and-inches (held in feet), 6 angstrom,
// 7 nm, 8 micrometre, 9 mil, 10 microinch. Angles (kind 2): 0 degrees, 1 radians,
// 2 degrees-minutes and 3 degrees-minutes-seconds (both held in degrees).
class CTeskUnitConvertor {
public:
    // The value expressed in the target unit; an unknown kind or code leaves it unchanged.
    double ConversionFromOneUnitToAnother(double value, int unitKind, int fromCode,
                                          int toCode) const;
};
