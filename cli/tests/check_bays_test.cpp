#include "checked_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

const std::string kHeader = "bay,H,B,n,T,W,A,i\n";
const std::string kOutHeader =
    "bay,H,B,n,T,W,A,i,N1,Nt1,Lx1,Rx1,Ly1,Ry1,f1,N2,Nt2,Lx2,Rx2,Ly2,Ry2,u,f2,error\n";
const std::string kRow = "a,6,8,2,20,30,12,3";
const std::string kOutRow =
    "a,6,8,2,20,30,12,3,31.250,18.750,5.000,1.25,10.000,2.50,26.04,15.625,9.375,5.000,3.33,"
    "7.000,4.67,0.1403,92.81,\n";

}  // namespace

TEST(CheckBays, MalformedRowsAreLeftOutAndTheRestWritten) {
    struct Case {
        const char* why;
        std::string text;
        std::string out;
        std::string problems;
    };
    const Case cases[] = {
        {"a field short, then a field over", kHeader + kRow + "\na,6,8,2,20,30,12\n" + kRow + ",x\n" + kRow + "\n",
         kOutHeader + kOutRow + kOutRow,
         "in:3: 7 fields where the header has 8; row left out\n"
         "in:4: 9 fields where the header has 8; row left out\n"
         "in: 2 rows left out, 2 written\n"},
        {"a quote never closed: the rows before it stay",
         kHeader + kRow + "\n" + kRow + "\nb,6,\"8,2,20,30,12,3\n" + kRow + "\n",
         kOutHeader + kOutRow + kOutRow,
         "in:4: the quote that opens field 3 (B) is never closed; everything from line 4 on is left "
         "out\nin: 1 row left out, 2 written\n"},
        {"an oversized row", kHeader + "a" + std::string(CsvReader::kMaxRecordBytes, 'x') + "\n" + kRow + "\n",
         kOutHeader + kOutRow,
         "in:2: row longer than 1 MiB or more than 16384 fields; left out\n"
         "in: 1 row left out, 1 written\n"},
    };
    for (const Case& c : cases) {
        const Checked checked = CheckText(c.text);
        EXPECT_EQ(checked.out, c.out) << c.why;
        EXPECT_EQ(checked.problems, c.problems) << c.why;
        EXPECT_EQ(checked.exit, kCheckRowsLeftOut) << c.why;
    }
}

TEST(CheckBays, WithoutAUsableHeaderNothingIsWritten) {
    struct Case {
        const char* why;
        std::string text;
        std::string problems;
    };
    const Case cases[] = {
        {"empty input", "", "in: empty input, no header line\n"},
        {"an input missing", "H,B,n,T,W,A\n6,8,2,20,30,12\n",
         "in:1: no column named i (the header must name H, B, n, T, W, A and i; names are "
         "case-sensitive)\n"},
        {"an input named twice", "H,B,n,T,W,A,i,B\n", "in:1: column B appears twice (columns 2 and 8)\n"},
        {"a quote never closed", "H,\"B,n\n", "in:1: header: the quote that opens field 2 is never closed\n"},
    };
    for (const Case& c : cases) {
        const Checked checked = CheckText(c.text);
        EXPECT_EQ(checked.out, "") << c.why;
        EXPECT_EQ(checked.problems, c.problems) << c.why;
        EXPECT_EQ(checked.exit, kCheckRowsLeftOut) << c.why;
    }
}

TEST(CheckBays, SameOutputWhateverTheLineEndsAndByteOrderMark) {
    struct Case {
        const char* why;
        std::string text;
    };
    const Case cases[] = {
        {"LF", kHeader + kRow + "\n"},
        {"CRLF", "bay,H,B,n,T,W,A,i\r\n" + kRow + "\r\n"},
        {"no final line end", kHeader + kRow},
        {"blank lines, in between and at the end", kHeader + "\n" + kRow + "\n\r\n\n"},
        {"a UTF-8 BOM from a spreadsheet", "\xEF\xBB\xBF" + kHeader + kRow + "\n"},
        {"quotes where none are needed", "\"bay\",\"H\",B,n,T,W,A,i\n\"a\",\"6\",8,2,20,30,12,3\n"},
    };
    for (const Case& c : cases) {
        const Checked checked = CheckText(c.text);
        EXPECT_EQ(checked.out, kOutHeader + kOutRow) << c.why;
        EXPECT_EQ(checked.problems, "") << c.why;
        EXPECT_EQ(checked.exit, kCheckDone) << c.why;
    }
}

TEST(CheckBays, ByteOrderMarkOnRequest) {
    EXPECT_EQ(CheckText(kHeader + kRow + "\n", true).out, "\xEF\xBB\xBF" + kOutHeader + kOutRow);
}

TEST(CheckBays, ManyBadRowsAreCountedButOnlyTheFirstListed) {
    std::string text = kHeader;
    for (int k = 0; k < 30; ++k) {
        text += "a,6\n";
    }
    const Checked checked = CheckText(text + kRow + "\n");
    EXPECT_EQ(checked.out, kOutHeader + kOutRow);
    EXPECT_NE(checked.problems.find("in:21: 2 fields"), std::string::npos);
    EXPECT_EQ(checked.problems.find("in:22: 2 fields"), std::string::npos);
    EXPECT_NE(checked.problems.find("in: 30 rows left out, 1 written\n"), std::string::npos);
}

TEST(CheckBays, AFailedWriteIsAFailure) {
    // A stream open for reading only takes no output.
    const char* name = "check_bays_test_read_only.tmp";
    std::FILE* create = std::fopen(name, "wb");
    ASSERT_NE(create, nullptr);
    std::fclose(create);
    std::FILE* readOnly = std::fopen(name, "rb");
    ASSERT_NE(readOnly, nullptr);
    const std::string text = kHeader + kRow + "\n";
    CsvReader reader(text.data(), text.size());
    std::string problems;
    CheckExit exit = kCheckDone;
    {
        TextOutput out(readOnly);
        TextOutput problemOutput(problems);
        exit = CheckBays(reader, "in", false, out, problemOutput);
    }
    std::fclose(readOnly);
    std::remove(name);
    EXPECT_EQ(exit, kCheckFailed);
    EXPECT_EQ(problems, "cannot write the output: it is incomplete\n");
}
