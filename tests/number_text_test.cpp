#include "ui/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

TEST(TextToNumber, TypedTexts) {
    // A 30 000-character paste: every digit counts, nothing overruns.
    const std::string longText = std::string(29998, '0') + "12";
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
        {"-0", -0.0, "negative zero keeps its sign"},
        {"0.123456789", 0.123456789, "eleven characters are read whole"},
        {longText.c_str(), 12, "so are thirty thousand"},
        {"12kN", 12, "unit typed after the number"},
        {"0x10", 0, "no hexadecimal"},
        {"0X10", 0, "not with a capital X either"},
        {"-0x1p3", -0.0, "no hexadecimal float; the sign stays"},
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
        const double value = TextToNumber(c.typed);
        EXPECT_EQ(value, c.value) << c.why;
        EXPECT_EQ(std::signbit(value), std::signbit(c.value)) << c.why;
    }
}

TEST(FormatResult, FixedFormats) {
    // -DBL_MAX in full: the widest text there is, never cut short.
    const std::string widest =
        "-179769313486231570814527423731704356798070567525844996598917476803157260780028538760"
        "589558632766878171540458953514382464234321326889464182768467546703537516986049910576"
        "551282076245490090389328944075868508455133942304583236903222948165808559332123348274"
        "797826204144723168738177180919299881250404026184124858368.0000";
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
        {-std::numeric_limits<double>::max(), 4, widest.c_str(), "widest, shown whole"},
        {0.625, 2, "  0.62", "exact halfway: to even"},
        {0.375, 2, "  0.38", "exact halfway: to even"},
        {2.5, 0, "     2", "to even with no decimals"},
        {2.5, -1, "     2", "fewer than none: none"},
        {1, 99, "1.0000", "more than four: four, all the text has room for"},
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
