#pragma once

#include <array>
#include <cstdint>

// The 80-bit x87 extended float: 64-bit mantissa with explicit integer bit, 15-bit exponent
// biased by 16383, sign bit; little-endian. Converted exactly from and to double without
// relying on long double.
std::array<std::uint8_t, 10> ExtendedFromDouble(double value);
// Rounds to the nearest double; values beyond double's range become infinities, tiny ones 0.
double DoubleFromExtended(const std::array<std::uint8_t, 10> &bytes);
