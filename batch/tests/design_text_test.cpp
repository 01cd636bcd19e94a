#include "batch/design_texts.h"
#include "design/families/families.h"
#include "batch/family_text.h"
#include "batch/grade_text.h"
#include "batch/section_table_text.h"
#include "batch/section_text.h"
#include "ui/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// The canonical designation of what `text` reads as, or "refused: <code>".
std::string ReadAs(const char* text) {
    bool given = false;
    Section section{};
    RefusalCode why = RefusalCode::CellEmpty;
    if (!ReadSection(text, given, section, why)) return "refused: " + std::to_string(static_cast<int>(why));
    if (!given) return "blank";
    std::string out;
    AppendDesignation(section, out);
    return out;
}

std::string Refused(RefusalCode why) { return "refused: " + std::to_string(static_cast<int>(why)); }

}  // namespace

TEST(SectionText, ReadsEverySpellingOfEveryFamily) {
    struct Case { const char* text; const char* reads; } const cases[] = {
        // Single angles: L, ∠, ∟, l; x, ×, *, X; the standard's L63×63×6; spaces anywhere.
        {"L63x6", "L63x6"}, {"L63\xC3\x97" "6", "L63x6"}, {"\xE2\x88\xA0" "63\xC3\x97" "6", "L63x6"},
        {"\xE2\x88\x9F" "63\xC3\x97" "6", "L63x6"}, {"L63*6", "L63x6"}, {"l63X6", "L63x6"},
        {"L63\xC3\x97" "63\xC3\x97" "6", "L63x6"}, {" L 63 x 6 ", "L63x6"},
        {"\xE3\x80\x80L63x6\xC2\xA0", "L63x6"},  // full-width and no-break spaces
        {"\tL63x6\r\n", "L63x6"},
        // Two angles: back to back (T), and in a cross with + or 十.
        {"2L63x6", "2L63x6"}, {"2\xE2\x88\xA0" "63\xC3\x97" "6", "2L63x6"}, {"2 L 63 x 63 x 6", "2L63x6"},
        {"2L63x6+", "2L63x6+"}, {"2\xE2\x88\xA0" "63\xC3\x97" "6\xE5\x8D\x81", "2L63x6+"},
        // Tubes: D, Φ, φ, ϕ, Ø, P with two dimensions; bars: one.
        {"D89x4", "D89x4"}, {"\xCE\xA6" "89\xC3\x97" "4", "D89x4"}, {"\xCF\x86" "140\xC3\x97" "4.5", "D140x4.5"},
        {"\xC3\x98" "89\xC3\x97" "4", "D89x4"}, {"P89x4", "D89x4"}, {"d60 x 3.5", "D60x3.5"},
        {"D20", "D20"}, {"\xCE\xA6" "20", "D20"}, {"d5.5", "D5.5"}, {"\xCF\x95" "16", "D16"},
        {"", "blank"}, {"  ", "blank"}, {"\xE3\x80\x80", "blank"},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadAs(c.text), c.reads) << c.text;
}

TEST(SectionText, RefusesWithItsReason) {
    const std::string none = Refused(RefusalCode::SectionNotDesignation);
    struct Case { const char* text; std::string why; } const cases[] = {
        {"L63x9", Refused(RefusalCode::SectionNotStandard)},
        {"2L63x9+", Refused(RefusalCode::SectionNotStandard)},
        {"L1000000x6", Refused(RefusalCode::SectionNotStandard)},
        {"L63.5x6", Refused(RefusalCode::SectionNotStandard)},
        {"L75x50x6", Refused(RefusalCode::SectionUnequal)}, {"2L63x6x6", Refused(RefusalCode::SectionUnequal)},
        {"D89x45", Refused(RefusalCode::TubeWallTooThick)},
        {"D37", Refused(RefusalCode::BarNotListed)}, {"D100", Refused(RefusalCode::BarNotListed)},
        {"HW100", none}, {"63x6", none} /* no mark */, {"L63", none}, {"L63x6x", none},
        {"L63x63x63x6", none}, {"3L63x6", none}, {"L63x6+", none} /* a cross is two angles */,
        {"2L63x6++", none}, {"L63/6", none}, {"P20", none} /* a pipe has a wall */, {"D89x4x4", none},
        {"2D89x4", none}, {"D0", none}, {"D89x0", none}, {"D8..9", none}, {"D.", none},
        {"L 63 x 6 ...............................", none},  // too long to squeeze
    };
    for (const Case& c : cases) EXPECT_EQ(ReadAs(c.text), c.why) << c.text;
}

TEST(SectionText, EveryDesignationWrittenReadsBack) {
    for (SectionFamilyId id : kSectionFamilies) {
        const SectionFamily& family = FamilyOf(id);
        for (int k = 0; k < family.count; ++k) {
            std::string text;
            AppendDesignation(family.at(k), text);
            bool given = false;
            Section section{};
            RefusalCode why = RefusalCode::CellEmpty;
            EXPECT_TRUE(ReadSection(text, given, section, why) && given) << text;
            EXPECT_TRUE(section.family == id && section.b_mm == family.at(k).b_mm &&
                        section.mass_kg_m == family.at(k).mass_kg_m) << text;
        }
    }
}

TEST(FamilyText, WordsOfEachFamily) {
    struct Case { const char* text; SectionFamilyId family; } const cases[] = {
        {"L", SectionFamilyId::EqualAngle}, {"l", SectionFamilyId::EqualAngle},
        {" 2l ", SectionFamilyId::DoubleAngleT}, {"2L+", SectionFamilyId::DoubleAngleCross},
        {"Tube", SectionFamilyId::Tube}, {"BAR", SectionFamilyId::RoundBar},
        {"单角钢", SectionFamilyId::EqualAngle}, {"双角钢", SectionFamilyId::DoubleAngleT},
        {"十字双角钢", SectionFamilyId::DoubleAngleCross}, {"钢管", SectionFamilyId::Tube},
        {"圆钢", SectionFamilyId::RoundBar}, {"", SectionFamilyId::Tube} /* the default */,
    };
    for (const Case& c : cases) {
        SectionFamilyId family = SectionFamilyId::EqualAngle;
        EXPECT_TRUE(ReadFamily(c.text, SectionFamilyId::Tube, family)) << c.text;
        EXPECT_EQ(family, c.family) << c.text;
        EXPECT_TRUE(ReadFamily(FamilyName(c.family), SectionFamilyId::Tube, family) && family == c.family);
    }
    SectionFamilyId family = SectionFamilyId::EqualAngle;
    for (const char* text : {"2L-", "pipe", "LL", "角钢"}) EXPECT_FALSE(ReadFamily(text, family, family)) << text;
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

TEST(SectionTableText, HeaderAndRowsOfEveryFamily) {
    std::string line;
    AppendSectionHeader(line);
    EXPECT_EQ(line, "family,designation,A,ix,ix0,iy0,iy,mass");
    // Cells that do not apply are empty; two angles at the 8 mm gap; masses
    // as printed (twice for two angles), 0.785 A for tubes and bars.
    struct Case { SectionFamilyId family; double b, t; const char* row; } const cases[] = {
        {SectionFamilyId::EqualAngle, 63, 6, "L,L63x6,7.288,1.929,2.430,1.240,,5.72"},
        {SectionFamilyId::EqualAngle, 20, 3, "L,L20x3,1.132,0.595,0.747,0.387,,0.889"},
        {SectionFamilyId::EqualAngle, 63, 7, "L,L63x7,8.412,1.916,2.412,1.233,,6.6"},
        {SectionFamilyId::EqualAngle, 250, 35, "L,L250x35,163.403,7.517,9.456,4.856,,128"},
        {SectionFamilyId::DoubleAngleT, 63, 6, "2L,2L63x6,14.576,1.929,,,2.909,11.44"},
        {SectionFamilyId::DoubleAngleCross, 63, 6, "2L+,2L63x6+,14.576,2.909,2.430,,2.909,11.44"},
        {SectionFamilyId::Tube, 89, 4, "tube,D89x4,10.681,3.009,,,3.009,8.385"},
        {SectionFamilyId::RoundBar, 20, std::nan(""), "bar,D20,3.142,0.500,,,,2.466"},
    };
    for (const Case& c : cases) {
        Section s{};
        ASSERT_TRUE(FamilyOf(c.family).make(c.b, c.t, s)) << c.row;
        line.clear();
        AppendSectionRow(s, 8.0, line);
        EXPECT_EQ(line, c.row);
    }
}
