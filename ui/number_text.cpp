#include "number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double TextToNumber(const char* text) {
    const char* p = text;
    while (IsSpace(*p)) {
        ++p;
    }
    const char* number = p;
    if (*p == '+' || *p == '-') {
        ++p;
    }
    const bool hasDigit = IsDigit(p[0]) || (p[0] == '.' && IsDigit(p[1]));
    if (!hasDigit) {
        return 0.0;
    }
    // "0x10" reads as 0 followed by text; strtod alone would take it as hex.
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        return *number == '-' ? -0.0 : 0.0;
    }
    // From here strtod reads exactly the decimal grammar above and rounds
    // correctly (glibc, MinGW's own, the UCRT). The program never calls
    // setlocale, so the decimal point is ".".
    return std::strtod(number, nullptr);
}

ResultText FormatResult(double value, int decimals) {
    if (decimals < 0) {
        decimals = 0;
    } else if (decimals > kMaxResultDecimals) {
        decimals = kMaxResultDecimals;
    }
    ResultText text;
    if (std::isnan(value)) {
        std::snprintf(text.chars, sizeof text.chars, "%6s", "nan");
    } else if (std::isinf(value)) {
        std::snprintf(text.chars, sizeof text.chars, "%6s", value < 0 ? "-inf" : "inf");
    } else {
        std::snprintf(text.chars, sizeof text.chars, "%6.*f", decimals, value);
    }
    return text;
}
