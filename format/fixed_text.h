// A number as every output writes it without padding: the CSV cells, the
// calc sheet and its sketch. Fixed point, correctly rounded, the locale
// ignored; the same digits as printf's "%.*f" on every build.
#ifndef BRACING_FORMAT_FIXED_TEXT_H
#define BRACING_FORMAT_FIXED_TEXT_H

#include <cfloat>
#include <cstddef>
#include <string>
#include <string_view>

constexpr int kMaxFixedDecimals = 4;
// In place of a count of decimals: as many as it takes to read back the
// same double (227.5, 300), in exponent form only where the decimal would
// not fit (below about 1e-290).
constexpr int kShortestDecimals = -1;
// The longest text: a sign, the 309 digits of the largest double, the point
// and the decimals.
constexpr std::size_t kFixedTextSize = 1 + (DBL_MAX_10_EXP + 1) + 1 + kMaxFixedDecimals;

// Writes `value` with `decimals` decimals (0 to 4, or kShortestDecimals; outside, the nearest)
// at `first`, which has room for kFixedTextSize characters, and returns
// the end; no terminating zero. Non-finite values write inf, -inf or nan.
char* WriteFixed(char* first, double value, int decimals);

// The same, added to `out`.
void AppendFixed(std::string& out, double value, int decimals);

// The same as a small value, for text put together around it.
struct FixedText {
    char chars[kFixedTextSize + 1];  // zero-terminated
    std::size_t size;
    std::string_view View() const { return {chars, size}; }
    std::string String() const { return {chars, size}; }
};
FixedText ToFixed(double value, int decimals);

// The fewest decimals, up to `maxDecimals`, that read back as `value`: a
// table value as the table prints it (mass 0.889, 34, 5.4).
FixedText ShortestFixed(double value, int maxDecimals);

#endif
