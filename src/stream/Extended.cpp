#include "Extended.h"

#include <bit>

// Plain integer arithmetic on the bit patterns: long double is 64 bits on some compilers and
// 80 bits on others, so it cannot be trusted for the stored layout.

namespace {

constexpr int kExtendedBias = 16383;
constexpr int kDoubleBias = 1023;
constexpr std::uint64_t kIntegerBit = std::uint64_t(1) << 63;
constexpr std::uint64_t kDoubleFraction = (std::uint64_t(1) << 52) - 1;
constexpr std::uint64_t kDoubleQuietBit = std::uint64_t(1) << 51;
constexpr std::uint64_t kDoubleSign = std::uint64_t(1) << 63;
constexpr std::uint64_t kDoubleInfinity = std::uint64_t(0x7FF) << 52;

std::array<std::uint8_t, 10> Pack(bool negative, int exponent, std::uint64_t mantissa) {
    std::array<std::uint8_t, 10> bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[std::size_t(i)] = std::uint8_t(mantissa >> (8 * i));
    const unsigned top = unsigned(exponent) | (negative ? 0x8000u : 0u);
    bytes[8] = std::uint8_t(top);
    bytes[9] = std::uint8_t(top >> 8);
    return bytes;
}

// Rounds `value` >> `shift` to the nearest integer, ties to even; 1 <= shift <= 64.
std::uint64_t ShiftRounded(std::uint64_t value, int shift) {
    const std::uint64_t kept = shift == 64 ? 0 : value >> shift;
    const std::uint64_t rest = shift == 64 ? value : value & ((std::uint64_t(1) << shift) - 1);
    const std::uint64_t half = std::uint64_t(1) << (shift - 1);
    if (rest > half || (rest == half && (kept & 1) != 0))
        return kept + 1;
    return kept;
}

} // namespace

std::array<std::uint8_t, 10> ExtendedFromDouble(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits & kDoubleSign) != 0;
    const int exponent = int((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & kDoubleFraction;

    if (exponent == 0x7FF) {
        // Infinity keeps only the integer bit; a NaN keeps its payload in the top fraction bits.
        return Pack(negative, 0x7FFF, kIntegerBit | (fraction << 11));
    }
    if (exponent == 0) {
        if (fraction == 0)
            return Pack(negative, 0, 0);
        // A double denormal is an ordinary normal number in the wider exponent range.
        const int top = 63 - std::countl_zero(fraction); // highest set bit, 0..51
        return Pack(negative, top - 1074 + kExtendedBias, fraction << (63 - top));
    }
    return Pack(negative, exponent - kDoubleBias + kExtendedBias, kIntegerBit | (fraction << 11));
}

double DoubleFromExtended(const std::array<std::uint8_t, 10> &bytes) {
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | bytes[std::size_t(i)];
    const unsigned top = unsigned(bytes[8]) | (unsigned(bytes[9]) << 8);
    const std::uint64_t sign = (top & 0x8000u) != 0 ? kDoubleSign : 0;
    const int exponent = int(top & 0x7FFF);

    if (exponent == 0x7FFF) {
        const std::uint64_t payload = mantissa & ~kIntegerBit;
        if (payload == 0)
            return std::bit_cast<double>(sign | kDoubleInfinity);
        // Any NaN stays a NaN: keep what fits of the payload and make it quiet.
        return std::bit_cast<double>(sign | kDoubleInfinity | kDoubleQuietBit | (payload >> 11));
    }
    if (mantissa == 0)
        return std::bit_cast<double>(sign);

    // value = mantissa * 2^scale. Denormals (exponent 0) share the scale of exponent 1; an
    // unnormal (integer bit clear) is taken by its value like any other.
    int scale = (exponent == 0 ? 1 : exponent) - kExtendedBias - 63;
    const int lead = std::countl_zero(mantissa);
    mantissa <<= lead;
    scale -= lead;
    const int binary = scale + 63; // the value is 1.xxx * 2^binary

    if (binary > kDoubleBias)
        return std::bit_cast<double>(sign | kDoubleInfinity);
    if (binary >= 1 - kDoubleBias) {
        std::uint64_t kept = ShiftRounded(mantissa, 11); // 53 significant bits, maybe 2^53
        int biased = binary + kDoubleBias;
        if (kept >> 53) {
            kept >>= 1;
            ++biased;
        }
        if (biased >= 0x7FF)
            return std::bit_cast<double>(sign | kDoubleInfinity);
        return std::bit_cast<double>(sign | (std::uint64_t(biased) << 52) |
                                     (kept & kDoubleFraction));
    }
    // Below the normal range the result is a multiple of 2^-1074. A carry into bit 52 lands
    // exactly on the smallest normal number, which the raw bits then encode by themselves.
    const int shift = -1074 - scale;
    if (shift > 64)
        return std::bit_cast<double>(sign);
    return std::bit_cast<double>(sign | ShiftRounded(mantissa, shift));
}
