#include "bay_table.h"
#include "checked_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace {

const char* const kResultNames[kResultRowCount] = {"N1",  "Nt1", "Lx1", "Rx1", "Ly1", "Ry1", "f1", "N2",
                                                   "Nt2", "Lx2", "Rx2", "Ly2", "Ry2", "u",   "f2"};

// What the dialog shows for these seven texts typed in, without padding;
// empty when it refuses them.
std::vector<std::string> DialogTexts(const std::vector<const char*>& typed) {
    BracingInputs in;
    for (int k = 0; k < kInputFieldCount; ++k) {
        StoreFieldText(in, kInputFields[k].id, typed[static_cast<std::size_t>(k)]);
    }
    BracingResults r;
    if (!ComputeBracing(in, r)) {
        return {};
    }
    std::vector<std::string> texts(kResultRowCount);
    std::transform(std::begin(kResultRows), std::end(kResultRows), texts.begin(),
                   [&r](const ResultRow& row) -> std::string {
                       return TrimmedText(FormatResultRow(row, r));  // copy before the text goes
                   });
    return texts;
}

std::string CsvLine(const std::vector<const char*>& fields) {
    std::string line;
    for (const char* field : fields) {
        line += (line.empty() ? "" : ",") + std::string(field);
    }
    return line + "\n";
}

}  // namespace

TEST(BayRows, WorkedExamplesGiveTheDialogsTexts) {
    const std::vector<CsvRecord> out = OutputRecords(CheckText(
        "H,B,n,T,W,A,i\n6,8,2,20,30,12,3\n9,6,2,15,35,15.5,2.8\n600,800,2,20,30,12,3\n").out);
    ASSERT_EQ(out.size(), 4u);
    const char* first[kResultRowCount] = {"31.250", "18.750", "5.000", "1.25", "10.000",
                                          "2.50",   "26.04",  "15.625", "9.375", "5.000",
                                          "3.33",   "7.000",  "4.67",  "0.1403", "92.81"};
    for (int k = 0; k < kResultRowCount; ++k) {
        EXPECT_EQ(OutputField(out, 1, kResultNames[k]), first[k]) << kResultNames[k];
    }
    EXPECT_EQ(OutputField(out, 2, "u"), "0.1065");
    EXPECT_EQ(OutputField(out, 2, "f2"), "136.50");
    // Wide values are never cut short; phi this small shows as zero.
    EXPECT_EQ(OutputField(out, 3, "Ly1"), "1000.000");
    EXPECT_EQ(OutputField(out, 3, "f2"), "820379.00");
    EXPECT_EQ(OutputField(out, 3, "u"), "0.0000");
    EXPECT_EQ(OutputField(out, 3, "error"), "");
}

TEST(BayRows, EveryResultIsTheDialogsTextForTheSameTypedTexts) {
    // Texts read as a field reads them: units after the number, spaces,
    // exponents, a lone point, words that are no number.
    const std::vector<std::vector<const char*>> rows = {
        {"6", "8", "2", "20", "30", "12", "3"},
        {" 6m", "8 m", "2", "20kN", "3e1", ".12e2", "3."},
        {"1", "6", "8", "0", "45", "10", "3"},
        {"3", "4", "1", "abc", "10", "10", "100"},
        {"0.001", "1e6", "1e-3", "-20", "1e300", "1e-300", "1e300"},
        {"6", "8", "2", "20", "30", "0", "0"},
    };
    std::string text = "H,B,n,T,W,A,i\n";
    for (const auto& row : rows) {
        text += CsvLine(row);
    }
    const std::vector<CsvRecord> out = OutputRecords(CheckText(text).out);
    ASSERT_EQ(out.size(), rows.size() + 1);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::vector<std::string> expected = DialogTexts(rows[r]);
        ASSERT_EQ(expected.size(), static_cast<std::size_t>(kResultRowCount)) << CsvLine(rows[r]);
        for (int k = 0; k < kResultRowCount; ++k) {
            EXPECT_EQ(OutputField(out, r + 1, kResultNames[k]), expected[static_cast<std::size_t>(k)])
                << CsvLine(rows[r]) << kResultNames[k];
        }
    }
}

TEST(BayRows, RejectedBaysKeepTheirInputsAndSayWhy) {
    struct Case {
        const char* why;
        const char* row;
    };
    const Case cases[] = {
        {"no height", "0,8,2,20,30,12,3"},
        {"negative width", "6,-1,2,20,30,12,3"},
        {"no frames", "6,8,0,20,30,12,3"},
        {"an empty field reads as zero, as a cleared field does", "6,8,,20,30,12,3"},
        {"a word reads as zero", "abc,8,2,20,30,12,3"},
    };
    for (const Case& c : cases) {
        const Checked checked = CheckText(std::string("H,B,n,T,W,A,i\n") + c.row + "\n");
        EXPECT_EQ(checked.out, std::string("H,B,n,T,W,A,i,N1,Nt1,Lx1,Rx1,Ly1,Ry1,f1,N2,Nt2,Lx2,Rx2,"
                                           "Ly2,Ry2,u,f2,error\n") +
                                   c.row + ",,,,,,,,,,,,,,,,参数不能为负数和零\n")
            << c.why;
        EXPECT_EQ(checked.exit, kCheckDone) << c.why << ": a refused bay is a result";
        EXPECT_EQ(checked.problems, "") << c.why;
    }
}

TEST(BayRows, ColumnsInAnyOrderWithOthersPassedThrough) {
    const Checked checked = CheckText(
        "note,i,A,W,T,n,B,H,\"名称, 跨\"\n"
        "\"端跨, \"\"A\"\"\",3,12,30,20,2,8,6,\"two\nlines\"\n");
    EXPECT_EQ(checked.out,
              "note,i,A,W,T,n,B,H,\"名称, 跨\",N1,Nt1,Lx1,Rx1,Ly1,Ry1,f1,N2,Nt2,Lx2,Rx2,Ly2,Ry2,u,f2,error\n"
              "\"端跨, \"\"A\"\"\",3,12,30,20,2,8,6,\"two\nlines\",31.250,18.750,5.000,1.25,10.000,"
              "2.50,26.04,15.625,9.375,5.000,3.33,7.000,4.67,0.1403,92.81,\n");
}

TEST(BayRows, HeaderNamesAreCaseSensitive) {
    // N (a force) is not n (a count of frames): no guessing.
    const Checked checked = CheckText("H,B,N,T,W,A,i\n6,8,2,20,30,12,3\n");
    EXPECT_EQ(checked.exit, kCheckRowsLeftOut);
    EXPECT_EQ(checked.out, "");
    EXPECT_EQ(checked.problems,
              "in:1: no column named n (the header must name H, B, n, T, W, A and i; names are "
              "case-sensitive)\n");
}
