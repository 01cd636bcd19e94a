#include "design/families/families.h"
#include "design/section_family.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// The angles as every user sees them: through the family.
const SectionFamily& kAngles = FamilyOf(SectionFamilyId::EqualAngle);

const Section& Angle(double b, double t) {
    const Section* s = kAngles.find(b, t);
    EXPECT_NE(s, nullptr) << "L" << b << "x" << t;
    return s == nullptr ? kAngles.at(0) : *s;
}

}  // namespace

TEST(AngleSections, RadiiRoundToTheStandardsPrintedValues) {
    // The shared data README's values (cm, two decimals).
    struct Case { double b, t, ix, ix0, iy0; } const cases[] = {
        {50, 5, 1.53, 1.92, 0.98},
        {63, 6, 1.93, 2.43, 1.24},
        {75, 8, 2.28, 2.87, 1.47},
        {100, 10, 3.05, 3.84, 1.96},
    };
    for (const Case& c : cases) {
        const Section& s = Angle(c.b, c.t);
        EXPECT_NEAR(s.ix_cm, c.ix, 0.005) << c.b << "x" << c.t;
        EXPECT_EQ(s.iy_cm, s.ix_cm) << "equal legs";
        EXPECT_NEAR(s.ix0_cm, c.ix0, 0.005) << c.b << "x" << c.t;
        EXPECT_NEAR(s.iy0_cm, c.iy0, 0.005) << c.b << "x" << c.t;
    }
}

TEST(AngleSections, AreasMatchThePrintedOnes) {
    struct Case { double b, t, A_cm2, tolerance; } const cases[] = {
        {50, 5, 4.803, 5e-4}, {63, 6, 7.288, 5e-4}, {20, 3, 1.132, 5e-4},
        {70, 5, 6.876, 5e-4}, {63, 10, 11.66, 5e-3},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(Angle(c.b, c.t).A_cm2, c.A_cm2, c.tolerance) << c.b << "x" << c.t;
    }
}

TEST(AngleSections, FamilyFindsListedSizesOnly) {
    EXPECT_EQ(kAngles.id, SectionFamilyId::EqualAngle);
    EXPECT_EQ(kAngles.count, 115);
    EXPECT_EQ(kAngles.find(20, 3), &kAngles.at(0));
    EXPECT_EQ(kAngles.find(250, 35), &kAngles.at(114));
    EXPECT_EQ(kAngles.find(63, 9), nullptr);  // 63 mm legs come 4 to 8 and 10 thick
    EXPECT_EQ(kAngles.find(75, 50), nullptr);
    EXPECT_EQ(kAngles.at(114).family, SectionFamilyId::EqualAngle);
}

TEST(AngleSections, SizingOrderIsByMassThenArea) {
    for (int k = 1; k < kAngles.count; ++k) {
        const Section& p = kAngles.by_sizing_order(k - 1);
        const Section& q = kAngles.by_sizing_order(k);
        ASSERT_TRUE(p.mass_kg_m < q.mass_kg_m ||
                    (p.mass_kg_m == q.mass_kg_m && p.A_cm2 <= q.A_cm2)) << k;
    }
    // L80x10 and L110x7 both weigh 11.9 kg/m: the smaller area first.
    int l80x10 = -1;
    for (int k = 0; k < kAngles.count; ++k) {
        if (&kAngles.by_sizing_order(k) == kAngles.find(80, 10)) l80x10 = k;
    }
    ASSERT_GE(l80x10, 0);
    EXPECT_EQ(&kAngles.by_sizing_order(l80x10 + 1), kAngles.find(110, 7));
}

TEST(AngleSections, EverySizeMatchesTheStandardsList) {
    // GB/T 706-2016's list, row by row: b, t and r as well as the printed
    // mass, since a root radius 1 mm off still matches the mass of many sizes.
    std::FILE* file = std::fopen(BRACING_DESIGN_TEST_DATA "/gbt706-2016-equal-angles.csv", "r");
    ASSERT_NE(file, nullptr) << BRACING_DESIGN_TEST_DATA;
    char line[256];
    int rows = 0;
    while (std::fgets(line, sizeof line, file) != nullptr) {
        double b = 0, t = 0, b_mm = 0, t_mm = 0, r_mm = 0, mass = 0;
        if (std::sscanf(line, "L%lfx%lf,%lf,%lf,%lf,%lf", &b, &t, &b_mm, &t_mm, &r_mm, &mass) != 6) {
            EXPECT_EQ(rows, 0) << "only the header is not a size: " << line;
            continue;
        }
        ASSERT_LT(rows, kAngles.count);
        const Section& s = kAngles.at(rows);
        EXPECT_EQ(s.b_mm, b_mm) << line;
        EXPECT_EQ(s.t_mm, t_mm) << line;
        EXPECT_EQ(s.r_mm, r_mm) << line;
        EXPECT_EQ(s.mass_kg_m, mass) << line;
        EXPECT_EQ(kAngles.find(b, t), &s) << line;
        ++rows;
    }
    std::fclose(file);
    EXPECT_EQ(rows, kAngles.count);
}
