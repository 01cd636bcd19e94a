#include "ui/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

TEST(TextToNumber, TypedTexts) {
    struct Case {
        const char* typed;
        double value;
        const char* why;
    } cases[] = {
        {"", 0, "cleared field"},
        {"6", 6, "whole number"},
        {"1,5", 1, "comma is not a decimal point: the rest is ignored"},
        {"abc", 0, "no number at all"},
        {" 2.5", 2.5, "leading space skipped"},
        {"\t\r\n 7", 7, "any white space skipped"},
        {"3e2", 300, "exponent"},
        {"3E-2", 0.03, "capital exponent with sign"},
        {"3e", 3, "exponent without digits is not part of the number"},
        {"3e+", 3, "nor is a bare exponent sign"},
        {"-3", -3, "negative"},
        {"+4", 4, "explicit plus"},
        {".5", 0.5, "point first"},
        {"5.", 5, "point last"},
        {".", 0, "a point alone"},
        {"-", 0, "a sign alone"},
        {"-.", 0, "sign and point"},
        {"+-3", 0, "two signs"},
        {"- 3", 0, "space after the sign"},
        {"123456789", 123456789, "nine characters are read whole"},
        {"0.123456789", 0.123456789, "so are eleven"},
        {"12kN", 12, "unit typed after the number"},
        {"0x10", 0, "no hexadecimal"},
        {"-0x1p3", 0, "no hexadecimal float"},
        {"inf", 0, "no words"},
        {"nan", 0, "no words"},
        {"1e309", std::numeric_limits<double>::infinity(), "overflow as strtod: infinity"},
        {"1e-400", 0, "underflow to zero"},
        {"0.1", 0.1, "nearest double"},
        {"2.2250738585072011e-308", 0x0.fffffffffffffp-1022, "correctly rounded at the subnormal edge"},
        {"1.00000000000000011102230246251565404236316680908203125", 1.0, "exact halfway rounds to even"},
        {"\xd6\xd0" "5", 0, "Chinese (GBK) before the number"},
        {"5\xd6\xd0", 5, "Chinese after the number"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextToNumber(c.typed), c.value) << '"' << c.typed << "\": " << c.why;
    }
}

TEST(TextToNumber, NegativeZeroKeepsItsSign) {
    EXPECT_TRUE(std::signbit(TextToNumber("-0")));
    EXPECT_TRUE(std::signbit(TextToNumber("-0x5")));
    EXPECT_FALSE(std::signbit(TextToNumber("0")));
}

TEST(TextToNumber, VeryLongTextIsReadWhole) {
    // A 30 000-character paste: every digit counts, nothing overruns.
    std::string digits(30000, '9');
    EXPECT_EQ(TextToNumber(digits.c_str()), std::numeric_limits<double>::infinity());
    std::string small = "0." + std::string(29990, '0') + "1";
    EXPECT_EQ(TextToNumber(small.c_str()), 0.0);
    std::string ones = std::string(29999, '0') + "1";
    EXPECT_EQ(TextToNumber(ones.c_str()), 1.0);
}

TEST(FormatResult, FixedFormats) {
    struct Case {
        double value;
        int decimals;
        const char* text;
        const char* why;
    } cases[] = {
        {31.25, 3, "31.250", "six characters, no padding"},
        {5, 3, " 5.000", "padded to six"},
        {1.25, 2, "  1.25", "two leading spaces"},
        {0.1402984, 4, "0.1403", "stability coefficient"},
        {0, 2, "  0.00", "zero stress"},
        {-3.5, 2, " -3.50", "minus sign inside the width"},
        {1000, 3, "1000.000", "wider than six, shown whole"},
        {820379.0, 2, "820379.00", "wider than six, shown whole"},
        {0.625, 2, "  0.62", "exact halfway: to even"},
        {0.375, 2, "  0.38", "exact halfway: to even"},
        {2.5, 0, "     2", "to even with no decimals"},
        {1.0005, 3, " 1.000", "not a halfway case in binary: 1.0005 is below"},
        {std::numeric_limits<double>::infinity(), 2, "   inf", "non-finite"},
        {-std::numeric_limits<double>::infinity(), 2, "  -inf", "non-finite"},
        {std::numeric_limits<double>::quiet_NaN(), 4, "   nan", "non-finite"},
        {-std::numeric_limits<double>::quiet_NaN(), 4, "   nan", "NaN shows no sign"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(FormatResult(c.value, c.decimals).chars, c.text) << c.why;
    }
}

TEST(FormatResult, LargestValuesAreNeverCutShort) {
    const double max = std::numeric_limits<double>::max();
    for (int decimals = 0; decimals <= kMaxResultDecimals; ++decimals) {
        const ResultText text = FormatResult(-max, decimals);
        const size_t expected = 1 + 309 + (decimals > 0 ? 1 + decimals : 0);
        EXPECT_EQ(std::strlen(text.chars), expected) << decimals << " decimals";
        EXPECT_EQ(std::strncmp(text.chars, "-17976931348623157", 18), 0);
    }
}
