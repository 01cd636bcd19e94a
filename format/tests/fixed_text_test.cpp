#include "format/fixed_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace {

std::string Printed(double value, int decimals) {
    char text[kFixedTextSize + 1];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

}  // namespace

TEST(FixedText, WritesWhatPrintfWrites) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double value;
        int decimals;
        const char* text;
        const char* why;
    } const cases[] = {
        // Rounding itself: against printf below.
        {0.625, 2, "0.62", "exact halfway: to even"},
        {-0.0, 3, "-0.000", "negative zero keeps its sign"},
        {-0.0004, 3, "-0.000", "so does a negative that rounds to zero"},
        {2.5, -2, "2", "fewer than none: none"},
        {227.5, kShortestDecimals, "227.5", "as many as it takes"},
        {1, 99, "1.0000", "more than four: four, all the text has room for"},
        {inf, 2, "inf", "non-finite"},
        {-inf, 2, "-inf", "non-finite"},
        {nan, 4, "nan", "non-finite"},
        {-nan, 4, "nan", "NaN shows no sign"},
    };
    for (const Case& c : cases) {
        const FixedText text = ToFixed(c.value, c.decimals);
        EXPECT_STREQ(text.chars, c.text) << c.why;
        EXPECT_EQ(text.size, std::strlen(c.text)) << c.why;
        std::string appended = "x=";
        AppendFixed(appended, c.value, c.decimals);
        EXPECT_EQ(appended, std::string("x=") + c.text) << c.why;
    }
    // The widest text there is, never cut short.
    const double lowest = std::numeric_limits<double>::lowest();
    EXPECT_EQ(ToFixed(lowest, 4).View(), Printed(lowest, 4));
    EXPECT_EQ(ToFixed(lowest, 4).size, kFixedTextSize);
}

TEST(FixedText, SameDigitsAsPrintfOverEveryScale) {
    // Pseudo-random doubles from 1e-6 to 1e18, where the shown decimals
    // decide the rounding: any wrong digit, on any build, shows here.
    std::uint64_t state = 88172645463325252u;
    for (int k = 0; k < 20000; ++k) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        const double value = std::ldexp(static_cast<double>(state >> 11), -53) *
                             std::pow(10.0, static_cast<double>(k % 25 - 6));
        const int decimals = k % 5;
        ASSERT_EQ(ToFixed(value, decimals).View(), Printed(value, decimals)) << value;
        ASSERT_EQ(ToFixed(-value, decimals).View(), Printed(-value, decimals)) << value;
    }
    // Multiples of 1/1024 hold every exact halfway case of four decimals and
    // fewer; offset by 2^49 - 8 they cross from integer rounding to to_chars.
    for (const double offset : {0.0, 562949953421304.0}) {
        for (int k = 0; k < 20000; ++k) {
            const double value = offset + k / 1024.0;
            const int decimals = k % 5;
            ASSERT_EQ(ToFixed(value, decimals).View(), Printed(value, decimals)) << value;
        }
    }
}

TEST(FixedText, ShortestThatReadsBack) {
    struct Case { double value; const char* text; } const cases[] = {
        {0.889, "0.889"}, {34, "34"}, {5.4, "5.4"},  // masses as the standard prints them
        {1.0 / 3.0, "0.333"},                         // none reads back: the most decimals
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(ShortestFixed(c.value, 3).chars, c.text);
    }
}
