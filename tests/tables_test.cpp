#include "ui/control_ids.h"
#include "ui/input_fields.h"
#include "ui/result_rows.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

BracingInputs Typed(std::initializer_list<std::pair<int, const char*>> fields) {
    BracingInputs in;
    for (const auto& field : fields) {
        EXPECT_TRUE(StoreFieldText(in, field.first, field.second));
    }
    return in;
}

std::string ShownText(const BracingResults& r, int id) {
    for (const ResultRow& row : kResultRows) {
        if (row.id == id) {
            return FormatResultRow(row, r).chars;
        }
    }
    return "<no such field>";
}

}  // namespace

TEST(InputFields, EachFieldSetsItsOwnInput) {
    const BracingInputs in = Typed({{ID_H, "1"}, {ID_B, "2"}, {ID_N, "3"}, {ID_T, "4"},
                                    {ID_W, "5"}, {ID_A, "6"}, {ID_I, "7"}});
    EXPECT_EQ(in.H, 1);
    EXPECT_EQ(in.B, 2);
    EXPECT_EQ(in.n, 3);
    EXPECT_EQ(in.T, 4);
    EXPECT_EQ(in.W, 5);
    EXPECT_EQ(in.A, 6);
    EXPECT_EQ(in.i, 7);
}

TEST(InputFields, OtherIdsChangeNothing) {
    BracingInputs in = Typed({{ID_H, "6"}});
    for (int id : {IDOK, IDCANCEL, IDM_ABOUT, IDM_EXIT, 700, 708, ID_T_N, ID_C_F}) {
        EXPECT_FALSE(StoreFieldText(in, id, "9")) << id;
    }
    EXPECT_EQ(in.H, 6);
}

TEST(InputFields, ClearingAFieldSetsZero) {
    BracingInputs in = Typed({{ID_W, "30"}, {ID_W, ""}});
    EXPECT_EQ(in.W, 0);
}

TEST(ResultRows, FifteenDistinctFieldsInWritingOrder) {
    const int order[] = {ID_T_N, ID_T_NT, ID_T_LX, ID_T_RX, ID_T_LY, ID_T_RY, ID_T_F,
                         ID_C_N, ID_C_NT, ID_C_LX, ID_C_RX, ID_C_LY, ID_C_RY, ID_C_U, ID_C_F};
    const BracingResults r;
    std::set<const double*> values;
    for (int k = 0; k < kResultRowCount; ++k) {
        EXPECT_EQ(kResultRows[k].id, order[k]) << "row " << k;
        EXPECT_TRUE(values.insert(&(r.*(kResultRows[k].value))).second)
            << kResultRows[k].symbol << " shown twice";
    }
}

TEST(ResultRows, FirstExampleTextsCharacterForCharacter) {
    // What the engineer reads for the 6 x 8 bay, leading spaces included.
    const BracingInputs in = Typed({{ID_H, "6"}, {ID_B, "8"}, {ID_N, "2"}, {ID_T, "20"},
                                    {ID_W, "30"}, {ID_A, "12"}, {ID_I, "3"}});
    BracingResults r;
    ASSERT_TRUE(ComputeBracing(in, r));
    const char* expected[kResultRowCount] = {
        "31.250", "18.750", " 5.000", "  1.25", "10.000", "  2.50", " 26.04",
        "15.625", " 9.375", " 5.000", "  3.33", " 7.000", "  4.67", "0.1403", " 92.81"};
    for (int k = 0; k < kResultRowCount; ++k) {
        EXPECT_EQ(std::string(FormatResultRow(kResultRows[k], r).chars), expected[k])
            << kResultRows[k].symbol;
    }
}

TEST(ResultRows, OtherExamples) {
    struct Case {
        const char* why;
        std::initializer_list<std::pair<int, const char*>> typed;
        int id;
        const char* text;
    } cases[] = {
        {"second example: phi", {{ID_H, "9"}, {ID_B, "6"}, {ID_N, "2"}, {ID_T, "15"}, {ID_W, "35"}, {ID_A, "15.5"}, {ID_I, "2.8"}}, ID_C_U, "0.1065"},
        {"second example: f2 fills six", {{ID_H, "9"}, {ID_B, "6"}, {ID_N, "2"}, {ID_T, "15"}, {ID_W, "35"}, {ID_A, "15.5"}, {ID_I, "2.8"}}, ID_C_F, "136.50"},
        {"wide: Ly1", {{ID_H, "600"}, {ID_B, "800"}, {ID_N, "2"}, {ID_T, "20"}, {ID_W, "30"}, {ID_A, "12"}, {ID_I, "3"}}, ID_T_LY, "1000.000"},
        {"wide: f2", {{ID_H, "600"}, {ID_B, "800"}, {ID_N, "2"}, {ID_T, "20"}, {ID_W, "30"}, {ID_A, "12"}, {ID_I, "3"}}, ID_C_F, "820379.00"},
        {"wide: phi", {{ID_H, "600"}, {ID_B, "800"}, {ID_N, "2"}, {ID_T, "20"}, {ID_W, "30"}, {ID_A, "12"}, {ID_I, "3"}}, ID_C_U, "0.0000"},
        {"3-4-5 bay: Rx1 0.625 halfway, to even", {{ID_H, "3"}, {ID_B, "4"}, {ID_N, "1"}, {ID_W, "10"}, {ID_A, "10"}, {ID_I, "100"}}, ID_T_RX, "  0.62"},
        {"stocky member: phi below 1", {{ID_H, "3"}, {ID_B, "4"}, {ID_N, "1"}, {ID_W, "10"}, {ID_A, "10"}, {ID_I, "100"}}, ID_C_U, "0.9991"},
        {"Nt1 as (H*N1)/L: just below the halfway 0.9375", {{ID_H, "1"}, {ID_B, "6"}, {ID_N, "8"}, {ID_W, "45"}, {ID_A, "10"}, {ID_I, "3"}}, ID_T_NT, " 0.937"},
        {"no area: zero stress", {{ID_H, "6"}, {ID_B, "8"}, {ID_N, "2"}, {ID_T, "20"}, {ID_W, "30"}, {ID_I, "3"}}, ID_T_F, "  0.00"},
        {"no radius: phi 0", {{ID_H, "6"}, {ID_B, "8"}, {ID_N, "2"}, {ID_T, "20"}, {ID_W, "30"}, {ID_A, "12"}}, ID_C_U, "0.0000"},
        {"nine digits typed, nine digits used", {{ID_H, "6"}, {ID_B, "8"}, {ID_N, "2"}, {ID_T, "123456789"}, {ID_A, "12"}, {ID_I, "3"}}, ID_T_N, "77160493.125"},
    };
    for (const Case& c : cases) {
        BracingInputs in;
        for (const auto& field : c.typed) {
            StoreFieldText(in, field.first, field.second);
        }
        BracingResults r;
        ASSERT_TRUE(ComputeBracing(in, r)) << c.why;
        EXPECT_EQ(ShownText(r, c.id), c.text) << c.why;
    }
}
