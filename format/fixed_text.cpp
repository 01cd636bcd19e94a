#include "format/fixed_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

char* WriteFixed(char* first, double value, int decimals) {
    decimals = std::clamp(decimals, 0, kMaxFixedDecimals);
    if (std::isnan(value)) {
        // to_chars would write "-nan" for a NaN with its sign bit set.
        std::memcpy(first, "nan", 3);
        return first + 3;
    }
    // Infinities come out as inf and -inf, negative zero as -0.000: what
    // printf writes.
    return std::to_chars(first, first + kFixedTextSize, value, std::chars_format::fixed, decimals)
        .ptr;
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
