#include "calc/bracing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// H, B, n, T, W, A, i. A 6 x 8 bay: the diagonal is exactly 10 m, so every
// value is checkable by hand.
const BracingInputs kFirstExample = {6, 8, 2, 20, 30, 12, 3};

BracingResults Compute(const BracingInputs& in) {
    BracingResults out;
    EXPECT_TRUE(ComputeBracing(in, out));
    return out;
}

}  // namespace

TEST(BracingCalculation, FirstWorkedExample) {
    struct Row {
        double BracingResults::*value;
        const char* name;
        double expected;
        double tolerance;
    } rows[] = {
        {&BracingResults::L, "L", 10, 0},
        {&BracingResults::P, "P", 25, 0},
        {&BracingResults::N1, "N1", 31.25, 0},
        {&BracingResults::Nt1, "Nt1", 18.75, 0},
        {&BracingResults::Lx1, "Lx1", 5, 0},
        {&BracingResults::Lx2, "Lx2", 5, 0},
        {&BracingResults::Ly1, "Ly1", 10, 0},
        {&BracingResults::Ly2, "Ly2", 7, 0},
        {&BracingResults::Rx1, "Rx1", 1.25, 0},
        {&BracingResults::Ry1, "Ry1", 2.5, 0},
        {&BracingResults::Rx2, "Rx2", 3.333333, 1e-6},
        {&BracingResults::Ry2, "Ry2", 4.666667, 1e-6},
        {&BracingResults::k, "k", 233.333333, 1e-6},
        {&BracingResults::k1, "k1", 2.508583, 1e-6},
        {&BracingResults::u, "u", 0.1402984, 1e-7},
        {&BracingResults::f1, "f1", 26.041667, 1e-6},
        {&BracingResults::N2, "N2", 15.625, 0},
        {&BracingResults::Nt2, "Nt2", 9.375, 0},
        {&BracingResults::f2, "f2", 92.808168, 1e-6},
    };
    const BracingResults r = Compute(kFirstExample);
    for (const Row& row : rows) {
        EXPECT_NEAR(r.*row.value, row.expected, row.tolerance) << row.name;
    }
}

TEST(BracingCalculation, BitIdenticalOnEveryTarget) {
    // The second example, pinned bit for bit: a contracted multiply-add,
    // x87 precision or a regrouped formula changes at least one of these.
    const BracingResults r = Compute({9, 6, 2, 15, 35, 15.5, 2.8});
    EXPECT_EQ(r.L, 0x1.5a22073490377p+3);
    EXPECT_EQ(r.N1, 0x1.688e1cd6c0e47p+5);
    EXPECT_EQ(r.Nt1, 0x1.2cp+5);
    EXPECT_EQ(r.u, 0x1.b43f666621099p-4);
    EXPECT_EQ(r.f2, 0x1.11024863597fbp+7);
}

TEST(BracingCalculation, OnlyPositiveHeightWidthAndFramesAreAccepted) {
    struct Case {
        const char* why;
        double H, B, n;
        bool accepted;
    } cases[] = {
        {"state at start-up, every input 0", 0, 0, 0, false},
        {"zero height", 0, 8, 2, false},
        {"negative width", 6, -1, 2, false},
        {"zero frames", 6, 8, 0, false},
        {"negative zero height", -0.0, 8, 2, false},
        {"minus infinity width", 6, -kInf, 2, false},
        {"small is not zero", 0.01, 0.01, 0.01, true},
        {"NaN height: 0 >= NaN is false, so it passes", kNaN, 8, 2, true},
        {"infinite frames: no load per frame", 6, 8, kInf, true},
    };
    for (const Case& c : cases) {
        BracingInputs in = kFirstExample;
        in.H = c.H;
        in.B = c.B;
        in.n = c.n;
        BracingResults out;
        out.N1 = 123.0;  // what a rejected bay must leave as it was
        EXPECT_EQ(ComputeBracing(in, out), c.accepted) << c.why;
        EXPECT_EQ(out.N1 == 123.0, !c.accepted) << c.why;
    }
}

TEST(BracingCalculation, SectionGuards) {
    struct Case {
        const char* why;
        double A, i;
        double f1, u, f2;
    } cases[] = {
        {"no area: both stresses 0", 0, 3, 0, 0.1402984, 0},
        {"negative area", -12, 3, 0, 0.1402984, 0},
        {"no radius: phi and f2 0, f1 kept", 12, 0, 26.041667, 0, 0},
        {"negative radius: NaN under the root is replaced", 12, -3, 26.041667, 0, 0},
        {"minus infinite radius", 12, -kInf, 26.041667, 0, 0},
        {"neither", 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        BracingInputs in = kFirstExample;
        in.A = c.A;
        in.i = c.i;
        const BracingResults r = Compute(in);
        EXPECT_NEAR(r.f1, c.f1, 1e-6) << c.why;
        EXPECT_NEAR(r.u, c.u, 1e-7) << c.why;
        EXPECT_NEAR(r.f2, c.f2, 1e-6) << c.why;
        EXPECT_EQ(r.N1, 31.25) << c.why;
        EXPECT_EQ(r.Ry2, 7.0 / 1.5) << c.why;
    }
}

TEST(StabilityCoefficient, BothBranchesOfTheClassBCurve) {
    // GB 50017-2017 D.0.5: phi = 1 - 0.65 k1^2 up to k1 = 0.215, the Perry
    // formula above. k1 = 100 * 0.7 * L / i / 93.014, here with L = 10 m.
    // k1 cannot be 0.215 itself: the two radii below give the nearest
    // values either side, 0.21499999999999997 and 0.21500000000000002.
    struct Case {
        const char* why;
        double H, B, i;
        double u;
    } cases[] = {
        {"stocky member, k1 0.0376: 1 - 0.65 k1^2, not 1.0243", 3, 4, 100, 0.9990797},
        {"k1 a hair below 0.215: the short branch", 6, 8, 35.003482846543235, 0.9699538},
        {"k1 a hair above 0.215: the Perry formula", 6, 8, 35.00348284654323, 0.9700404},
        {"very large radius: 1, not 0", 6, 8, 1e10, 1.0},
        {"infinite radius: k1 0, phi 1", 6, 8, kInf, 1.0},
    };
    for (const Case& c : cases) {
        BracingInputs in = kFirstExample;
        in.H = c.H;
        in.B = c.B;
        in.i = c.i;
        const BracingResults r = Compute(in);
        EXPECT_NEAR(r.u, c.u, 1e-7) << c.why;
        EXPECT_TRUE(std::isfinite(r.f2)) << c.why;
    }
}
