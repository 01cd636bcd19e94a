// Text to number for the input fields, number to text for the results.
// Both give the same answer on every build and ignore the locale.
#ifndef BRACING_UI_NUMBER_TEXT_H
#define BRACING_UI_NUMBER_TEXT_H

#include <cfloat>
#include <cstddef>

// The numeric prefix of `text`: leading white space, an optional sign,
// decimal digits with an optional point (.5 and 5. both count) and an
// optional exponent. The rest is ignored; no number at all gives 0.
// Hexadecimal forms and the words inf and nan are not numbers here.
double TextToNumber(const char* text);

constexpr int kMaxResultDecimals = 4;
// The longest text: a sign, the 309 digits of the largest double, the
// point, the decimals and the terminating zero.
constexpr std::size_t kResultTextSize = 1 + (DBL_MAX_10_EXP + 1) + 1 + kMaxResultDecimals + 1;

struct ResultText {
    char chars[kResultTextSize];
};

// Fixed point with `decimals` decimals (0 to 4), right-aligned in at least
// six characters, never cut short. Non-finite values show as inf, -inf or
// nan.
ResultText FormatResult(double value, int decimals);

#endif
