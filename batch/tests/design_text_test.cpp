#include "batch/design_texts.h"
#include "design/families/families.h"
#include "batch/grade_text.h"
#include "batch/section_table_text.h"
#include "batch/section_text.h"
#include "ui/number_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const SectionFamily& Angles() { return FamilyOf(SectionFamilyId::EqualAngle); }

const Section* Angle(double b, double t) { return Angles().find(b, t); }

}  // namespace

TEST(SectionText, ReadsEverySpellingOfOneAngle) {
    const char* const spellings[] = {
        "L63x6", "L63\xC3\x97" "6", "\xE2\x88\xA0" "63\xC3\x97" "6", "\xE2\x88\x9F" "63\xC3\x97" "6",
        "L63*6", "l63X6", "L63\xC3\x97" "63\xC3\x97" "6", " L 63 x 6 ",
        "\xE3\x80\x80L63x6\xC2\xA0",  // full-width and no-break spaces
        "\tL63x6\r\n",
    };
    for (const char* text : spellings) {
        const Section* section = nullptr;
        RefusalCode why = RefusalCode::CellEmpty;
        EXPECT_TRUE(ReadSection(text, Angles(), section, why)) << text;
        EXPECT_EQ(section, Angle(63, 6)) << text;
    }
    for (const char* blank : {"", "  ", "\xE3\x80\x80"}) {
        const Section* section = Angle(63, 6);
        RefusalCode why = RefusalCode::CellEmpty;
        EXPECT_TRUE(ReadSection(blank, Angles(), section, why)) << '"' << blank << '"';
        EXPECT_EQ(section, nullptr) << "blank: sized";
    }
}

TEST(SectionText, RefusesWithItsReason) {
    constexpr RefusalCode kNone = RefusalCode::SectionNotDesignation;
    struct Case { const char* text; RefusalCode why; } const cases[] = {
        {"L63x9", RefusalCode::SectionNotStandard}, {"L1000000x6", RefusalCode::SectionNotStandard},
        {"L75x50x6", RefusalCode::SectionUnequal}, {"L63x6x6", RefusalCode::SectionUnequal},
        {"2L63x6", RefusalCode::SectionDouble},
        {"HW100", kNone}, {"63x6", kNone} /* no angle mark */, {"L63", kNone}, {"L63x6x", kNone},
        {"L63x63x63x6", kNone}, {"3L63x6", kNone}, {"L63.5x6", kNone}, {"L63/6", kNone},
        {"L 63 x 6 ...............................", kNone},  // too long to squeeze
    };
    for (const Case& c : cases) {
        const Section* section = nullptr;
        RefusalCode why = RefusalCode::CellEmpty;
        EXPECT_FALSE(ReadSection(c.text, Angles(), section, why)) << c.text;
        EXPECT_EQ(why, c.why) << c.text;
    }
}

TEST(SectionText, EveryDesignationWrittenReadsBack) {
    for (int k = 0; k < Angles().count; ++k) {
        std::string text;
        AppendDesignation(Angles().at(k), text);
        const Section* section = nullptr;
        RefusalCode why = RefusalCode::CellEmpty;
        EXPECT_TRUE(ReadSection(text, Angles(), section, why)) << text;
        EXPECT_EQ(section, &Angles().at(k)) << text;
    }
    std::string text;
    AppendDesignation(*Angle(250, 35), text);
    EXPECT_EQ(text, "L250x35");
}

TEST(GradeText, ReadsOnlyTheQualityGradesThatExist) {
    // GB/T 700: Q235 A-D; GB/T 1591-2008: Q345 A-E; GB/T 1591-2018: Q355
    // B-D, Q355N and Q355M B-F; the bare names; blank: the default given.
    struct Case { const char* text; SteelGrade grade; } const cases[] = {
        {"Q235", SteelGrade::Q235}, {"q345", SteelGrade::Q345}, {"Q355B", SteelGrade::Q355},
        {"Q235a ", SteelGrade::Q235}, {"Q235D", SteelGrade::Q235}, {"Q345E", SteelGrade::Q345},
        {" Q355D\xE3\x80\x80", SteelGrade::Q355}, {"Q355NB", SteelGrade::Q355},
        {"q355nf", SteelGrade::Q355}, {"Q355MF", SteelGrade::Q355},
        {"", SteelGrade::Q345}, {"  ", SteelGrade::Q345},
    };
    for (const Case& c : cases) {
        SteelGrade grade = SteelGrade::Q235;
        EXPECT_TRUE(ReadGrade(c.text, SteelGrade::Q345, grade)) << c.text;
        EXPECT_EQ(grade, c.grade) << c.text;
    }
    for (const char* text :
         {"Q235NB", "Q235F", "Q235E", "Q345F", "Q345NB", "Q355A", "Q355E", "Q355NA", "Q355MG",
          "Q355N", "Q390", "Q35", "Q2355", "Q235BB", "235", "Q 235"}) {
        SteelGrade grade = SteelGrade::Q235;
        EXPECT_FALSE(ReadGrade(text, SteelGrade::Q235, grade)) << text;
    }
    SteelGrade grade = SteelGrade::Q235;
    EXPECT_FALSE(ReadGrade(std::string_view("Q235\0", 5), SteelGrade::Q235, grade))
        << "a NUL is not a quality letter";
    EXPECT_STREQ(GradeName(SteelGrade::Q345), "Q345");
    EXPECT_STREQ(GradeName(SteelGrade::Q355), "Q355");
}

TEST(FixedText, ShortestDecimalThatReadsBack) {
    struct Case { double value; const char* text; } const cases[] = {
        {227.5, "227.5"}, {300, "300"}, {0.1, "0.1"}, {150.000001, "150.000001"},
        {1.0 / 3.0, "0.3333333333333333"}, {1e21, "1000000000000000000000"},
        {-2.5e-3, "-0.0025"}, {5e-324, "5e-324"},  // a decimal would not fit
    };
    for (const Case& c : cases) {
        const FixedText text = ToFixed(c.value, kShortestDecimals);
        EXPECT_STREQ(text.chars, c.text);
        EXPECT_EQ(TextToNumber(text.chars), c.value) << c.text;
    }
    EXPECT_STREQ(ToFixed(1e-300, kShortestDecimals).chars,
                 ("0." + std::string(299, '0') + "1").c_str());
    EXPECT_EQ(kLimitDecimals, kShortestDecimals);
}

TEST(SectionTableText, HeaderAndRows) {
    std::string line;
    AppendSectionHeader(line);
    EXPECT_EQ(line, "designation,A,ix,ix0,iy0,mass");
    struct Case { double b, t; const char* row; } const cases[] = {
        {63, 6, "L63x6,7.288,1.929,2.430,1.240,5.72"},
        {20, 3, "L20x3,1.132,0.595,0.747,0.387,0.889"},  // mass to 3 decimals as printed
        {63, 7, "L63x7,8.412,1.916,2.412,1.233,6.6"},    // and to 1
        {250, 35, "L250x35,163.403,7.517,9.456,4.856,128"},
    };
    for (const Case& c : cases) {
        line.clear();
        AppendSectionRow(*Angle(c.b, c.t), line);
        EXPECT_EQ(line, c.row);
    }
}
