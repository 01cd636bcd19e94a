#include "first_example.h"
#include "ui/control_ids.h"
#include "ui/input_fields.h"
#include "ui/result_rows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Texts typed into H, B, n, T, W, A, i.
struct Typed {
    const char* texts[kInputFieldCount];
};

const int kTypedIds[kInputFieldCount] = {ID_H, ID_B, ID_N, ID_T, ID_W, ID_A, ID_I};

// What result field `id` shows once the bay is typed and computed.
std::string Shown(const Typed& bay, int id) {
    BracingInputs in;
    for (int k = 0; k < kInputFieldCount; ++k) {
        EXPECT_TRUE(StoreFieldText(in, kTypedIds[k], bay.texts[k]));
    }
    BracingResults r;
    EXPECT_TRUE(ComputeBracing(in, r));
    for (const ResultRow& row : kResultRows) {
        if (row.id == id) {
            return FormatResultRow(row, r).chars;
        }
    }
    return "<no such field>";
}

}  // namespace

TEST(InputFields, OtherIdsChangeNothing) {
    BracingInputs in;
    in.H = 6;
    for (int id : {IDOK, IDCANCEL, IDM_ABOUT, IDM_EXIT, 700, 708, ID_T_N, ID_C_F}) {
        EXPECT_FALSE(StoreFieldText(in, id, "9")) << id;
    }
    EXPECT_EQ(in.H, 6);
}

TEST(ResultRows, FirstExampleTextsCharacterForCharacter) {
    const Typed bay = {{"6", "8", "2", "20", "30", "12", "3"}};
    for (const ShownText& field : kFirstExampleTexts) {
        EXPECT_EQ(Shown(bay, field.id), field.text) << field.id;
    }
}

TEST(ResultRows, OtherBays) {
    struct Case {
        const char* why;
        Typed bay;
        int id;
        const char* text;
    } cases[] = {
        {"second example: phi", {{"9", "6", "2", "15", "35", "15.5", "2.8"}}, ID_C_U, "0.1065"},
        {"second example: f2 fills six", {{"9", "6", "2", "15", "35", "15.5", "2.8"}}, ID_C_F, "136.50"},
        {"wide: Ly1", {{"600", "800", "2", "20", "30", "12", "3"}}, ID_T_LY, "1000.000"},
        {"wide: f2", {{"600", "800", "2", "20", "30", "12", "3"}}, ID_C_F, "820379.00"},
        {"wide: phi", {{"600", "800", "2", "20", "30", "12", "3"}}, ID_C_U, "0.0000"},
        {"3-4-5 bay: Rx1 0.625 halfway, to even", {{"3", "4", "1", "", "10", "10", "100"}}, ID_T_RX, "  0.62"},
        {"stocky member: phi below 1", {{"3", "4", "1", "", "10", "10", "100"}}, ID_C_U, "0.9991"},
        // Each line of the calculation keeps its grouping: these bays land
        // near a halfway point, and a regrouped formula shows another digit.
        {"Nt1 as (H*N1)/L, not H*P/B (0.938)", {{"1", "6", "8", "", "45", "10", "3"}}, ID_T_NT, " 0.937"},
        {"N1 as (L*P)/B, not L*(P/B) (2.187)", {{"3", "6", "4", "", "35", "12", "3"}}, ID_C_NT, " 2.188"},
        {"Nt1 as (H*N1)/L, not H*(N1/L) (2.812)", {{"3", "8", "4", "20", "10", "12", "3"}}, ID_T_NT, " 2.813"},
        {"Nt2 as (H*N2)/L, not H*(N2/L) (2.812)", {{"3", "8", "2", "20", "10", "12", "3"}}, ID_C_NT, " 2.813"},
        {"no area: zero stress", {{"6", "8", "2", "20", "30", "", "3"}}, ID_T_F, "  0.00"},
        {"no radius: phi 0", {{"6", "8", "2", "20", "30", "12", ""}}, ID_C_U, "0.0000"},
        {"nine digits typed, nine digits used", {{"6", "8", "2", "123456789", "", "12", "3"}}, ID_T_N, "77160493.125"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Shown(c.bay, c.id), c.text) << c.why;
    }
}
