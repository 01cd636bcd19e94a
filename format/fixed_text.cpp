#include "format/fixed_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// Below this the exact product of the value and 10^decimals fits in 63
// bits, so integer arithmetic rounds it; above, to_chars does the work.
constexpr double kIntegerPathLimit = 562949953421312.0;  // 2^49
constexpr std::uint32_t kPowersOf5[kMaxFixedDecimals + 1] = {1, 5, 25, 125, 625};
constexpr std::uint32_t kPowersOf10[kMaxFixedDecimals + 1] = {1, 10, 100, 1000, 10000};

// value * 10^decimals rounded half to even, exactly as printf rounds it.
// From its IEEE 754 bits value = m * 2^-s with m below 2^53, so
// value * 10^decimals is m * 5^decimals * 2^(decimals - s), and m * 5^4
// stays below 2^63.
std::uint64_t ScaledRounded(double value, int decimals) {
    static_assert(std::numeric_limits<double>::is_iec559, "IEEE 754 doubles");
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>(bits >> 52 & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    // Subnormals have no hidden bit and the exponent of the least normal.
    const std::uint64_t m = biased == 0 ? fraction : fraction | std::uint64_t{1} << 52;
    const int s = 1075 - (biased == 0 ? 1 : biased);
    const std::uint64_t scaled = m * kPowersOf5[decimals];
    const int shift = s - decimals;
    if (shift <= 0) {
        return scaled << -shift;
    }
    if (shift >= 64) {
        return 0;  // below 2^63 / 2^64: under a half
    }
    const std::uint64_t whole = scaled >> shift;
    const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    return whole + (rest > half || (rest == half && (whole & 1) != 0) ? 1 : 0);
}

}  // namespace

char* WriteFixed(char* first, double value, int decimals) {
    if (decimals == kShortestDecimals && std::isfinite(value)) {
        const std::to_chars_result fixed =
            std::to_chars(first, first + kFixedTextSize, value, std::chars_format::fixed);
        return fixed.ec == std::errc()
                   ? fixed.ptr
                   : std::to_chars(first, first + kFixedTextSize, value, std::chars_format::scientific).ptr;
    }
    decimals = std::clamp(decimals, 0, kMaxFixedDecimals);
    if (std::isnan(value)) {
        // to_chars would write "-nan" for a NaN with its sign bit set.
        std::memcpy(first, "nan", 3);
        return first + 3;
    }
    if (!(std::fabs(value) < kIntegerPathLimit)) {
        // Infinities come out as inf and -inf, as printf writes them.
        return std::to_chars(first, first + kFixedTextSize, value, std::chars_format::fixed,
                             decimals)
            .ptr;
    }
    // A negative that rounds to zero, and negative zero, keep the sign: -0.000.
    char* end = first;
    if (std::signbit(value)) {
        *end++ = '-';
    }
    const std::uint64_t scaled = ScaledRounded(std::fabs(value), decimals);
    const std::uint32_t unit = kPowersOf10[decimals];
    end = std::to_chars(end, first + kFixedTextSize, scaled / unit).ptr;
    if (decimals > 0) {
        *end++ = '.';
        std::uint64_t rest = scaled % unit;
        for (char* digit = end + decimals - 1; digit >= end; --digit, rest /= 10) {
            *digit = static_cast<char>('0' + rest % 10);
        }
        end += decimals;
    }
    return end;
}

void AppendFixed(std::string& out, double value, int decimals) {
    char text[kFixedTextSize];
    out.append(text, WriteFixed(text, value, decimals));
}

FixedText ToFixed(double value, int decimals) {
    FixedText text;
    char* end = WriteFixed(text.chars, value, decimals);
    *end = '\0';
    text.size = static_cast<std::size_t>(end - text.chars);
    return text;
}

FixedText ShortestFixed(double value, int maxDecimals) {
    for (int decimals = 0; decimals < maxDecimals; ++decimals) {
        const FixedText text = ToFixed(value, decimals);
        double readBack = 0.0;
        std::from_chars(text.chars, text.chars + text.size, readBack);
        if (readBack == value) {
            return text;
        }
    }
    return ToFixed(value, maxDecimals);
}
