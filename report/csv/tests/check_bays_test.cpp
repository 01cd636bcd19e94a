#include "batch/bay_table.h"
#include "report/csv/tests/checked_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace {

const std::string kHeader = "bay,H,B,n,T,W,A,i\n";
const std::string kRejected = "参数不能为负数和零";  // the dialog's words
const std::string kOutHeader =
    "bay,H,B,n,T,W,A,i,N1,Nt1,Lx1,Rx1,Ly1,Ry1,f1,N2,Nt2,Lx2,Rx2,Ly2,Ry2,u,f2,error\n";
const std::string kRow = "a,6,8,2,20,30,12,3";
const std::string kResults =
    "31.250,18.750,5.000,1.25,10.000,2.50,26.04,15.625,9.375,5.000,3.33,7.000,4.67,0.1403,92.81,";
const std::string kOutRow = kRow + "," + kResults + "\n";

std::string Utf16(const std::u16string& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

// A whole run: the input, and what it must give.
struct RunCase {
    const char* why;
    std::string text;
    std::string out;
    std::string problems;
    CheckExit exit;
};

void ExpectRun(const RunCase& c, const Checked& checked) {
    EXPECT_EQ(checked.out, c.out) << c.why;
    EXPECT_EQ(checked.problems, c.problems) << c.why;
    EXPECT_EQ(checked.exit, c.exit) << c.why;
}

// Fails after handing over `text`, as a disk or a network share can.
class FailingSource : public ByteSource {
public:
    explicit FailingSource(std::string text) : text_(std::move(text)) {}
    std::size_t Read(char* to, std::size_t size) override {
        const std::size_t read = text_.copy(to, size);
        text_.erase(0, read);
        errorNumber_ = read == 0 ? EIO : 0;
        return read;
    }

private:
    std::string text_;
};

}  // namespace

TEST(CheckBays, ACellMustBeWhollyANumber) {
    // The bay of the worked example, one cell changed a row; what a
    // spreadsheet or careless hands write.
    struct Case {
        const char* row;
        const char* error;  // the error column; empty when the row is computed
    };
    const Case cases[] = {
        {"a,6,8,2,20,\"1,000\",12,3", "W: \"1,000\" is not a number"},  // a thousands separator
        {"a,\"6,5\",8,2,20,30,12,3", "H: \"6,5\" is not a number"},      // a decimal comma
        {"a,6m,8,2,20,30,12,3", "H: \"6m\" is not a number"},
        {"a,abc,8,2,20,30,12,3", "H: \"abc\" is not a number"},
        {"a,,8,2,20,30,12,3", "H: empty (write 0 for none)"},
        {"a, \xC2\xA0,8,2,20,30,12,3", "H: empty (write 0 for none)"},  // white space only
        {"a,0x10,8,2,20,30,12,3", "H: \"0x10\" is not a number"},
        {"a,6\x1B[2J\xC2\x9B" "31m,8,2,20,30,12,3", "H: \"6\\x1B[2J\\x9B31m\" is not a number"},  // C0 and C1 escapes

        {"a,3..5,8,2,20,30,12,3", "H: \"3..5\" is not a number"},
        {"a,6,8,2,1e309,30,12,3", "T: \"1e309\" is out of range"},
        {"a,6,8,2,20,30,12,abcdefghijabcdefghijabcdefghijabcdefghij",
         "i: \"abcdefghijabcdefghijabcdefghijabcdefghij\" is not a number"},
        {"a,6,8,2,20,30,12,abcdefghijabcdefghijabcdefghijabcdefghijk",
         "i: \"abcdefghijabcdefghijabcdefghijabcdefghij…\" is not a number"},  // cut after 40
        {"a,6,8,2,1e308,1e308,12,3", "a result is out of range"},  // W + T overflows
        {"a,6m,8,2,20,30,12,", "H: \"6m\" is not a number; i: empty (write 0 for none)"},
        {"a,6,8,2,20,\xEF\xBC\x93\xEF\xBC\x90,12,3", ""},  // W full-width 30, from an input method
        {"a,6,8,2,20,\xE3\x80\x80" "30 ,12,3", ""},        // a full-width space before it
        {"a,+6.0,8.,2e0,20,30,12,3", ""},
        {"a,0,8,2,20,30,12,3", kRejected.c_str()},  // the calculation's own answer
    };
    for (const Case& c : cases) {
        const Checked checked = CheckText(kHeader + c.row + "\n");
        const std::vector<CsvRecord> out = ReadRecords(checked.out);
        ASSERT_EQ(out.size(), 2u) << c.row;
        EXPECT_EQ(OutputField(out, 1, "error"), c.error) << c.row;
        const bool computed = *c.error == '\0';
        EXPECT_EQ(OutputField(out, 1, "N1"), computed ? "31.250" : "") << c.row;
        EXPECT_EQ(CsvRecord(out[1].begin(), out[1].begin() + 8), ReadRecords(c.row)[0]) << c.row;
        const bool problem = !computed && c.error != kRejected;
        EXPECT_EQ(checked.exit, problem ? kCheckProblems : kCheckDone) << c.row;
        EXPECT_EQ(checked.problems, problem ? "in:2: " + std::string(c.error) +
                                                  "\nin: 1 row written, 1 of them refused\n"
                                            : "")
            << c.row;
    }
}

TEST(CheckBays, WhatSpreadsheetsWriteGivesTheSameRows) {
    // Against the UTF-8, comma, LF version of the same bays.
    const std::string rows = kHeader + "端跨,6,8,2,20,30,12,3\n" + kRow + "\n";
    const std::string expected = kOutHeader + "端跨,6,8,2,20,30,12,3," + kResults + "\n" + kOutRow;
    const std::string gbkNote = "in: not UTF-8; read as GBK (code page 936)\n";
    const std::string tabNote = "in: the columns are separated by tabs, not commas; read so\n";
    const std::string withBom = "\xEF\xBB\xBF" + expected;
    const CheckExit done = kCheckDone;
    const RunCase cases[] = {
        {"CR line ends", "bay,H,B,n,T,W,A,i\r端跨,6,8,2,20,30,12,3\r" + kRow + "\r", expected, "", done},
        {"CR CR LF line ends", "bay,H,B,n,T,W,A,i\r\r\n端跨,6,8,2,20,30,12,3\r\r\n" + kRow + "\r\r\n", expected, "", done},
        {"blank lines, no final line end", kHeader + "\n端跨,6,8,2,20,30,12,3\n\r\n" + kRow, expected, "", done},
        {"UTF-8 with a BOM", "\xEF\xBB\xBF" + rows, withBom, "", done},
        {"GBK from a Chinese Windows", kHeader + "\xB6\xCB\xBF\xE7,6,8,2,20,30,12,3\n" + kRow + "\n", withBom, gbkNote, done},
        {"UTF-16LE, tabs", Utf16(u"bay\tH\tB\tn\tT\tW\tA\ti\r\n端跨\t6\t8\t2\t20\t30\t12\t3\r\na\t6\t8\t2\t20\t30\t12\t3\r\n", false),
         withBom, tabNote, done},
        {"UTF-16BE", Utf16(u"bay,H,B,n,T,W,A,i\n端跨,6,8,2,20,30,12,3\na,6,8,2,20,30,12,3\n", true), withBom, "", done},
        {"semicolons", "bay;H;B;n;T;W;A;i\n端跨;6;8;2;20;30;12;3\na;6;8;2;20;30;12;3\n", expected,
         "in: the columns are separated by semicolons, not commas; read so\n", done},
        {"an earlier run's output fed back in, the error column moved",
         "bay,H,B,error,n,T,W,A,i,N1,Nt1,Lx1,Rx1,Ly1,Ry1,f1,N2,Nt2,Lx2,Rx2,Ly2,Ry2,u,f2\n"
         "端跨,6,8,,2,20,30,12,3,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1\n"
         "a,6,8,old,2,20,30,12,3,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\n",
         expected, "in: columns error, N1, Nt1, Lx1, Rx1, Ly1, Ry1, f1, N2, Nt2, Lx2, Rx2, Ly2, Ry2, u, f2 are an "
             "earlier run's output; dropped and written afresh\n", done},
    };
    for (const RunCase& c : cases) {
        ExpectRun(c, CheckText(c.text));
    }
}

TEST(CheckBays, HeadersAsEngineersWriteThemAreReadAndWrittenAsTheyCame) {
    const char* const headers[] = {
        " bay ,H\xE3\x80\x80,\tB,n,T,W,A,i\xC2\xA0",                       // white space around
        "Bay,h (m),B（m）,N,t(kN),W [KN],A[cm²],I ( cm )",              // any case, units in brackets
        "柱撑编号,柱撑高度（m）,宽度【m】,纵向榀数,吊车刹车力(kN),风荷载合力,截面积(cm2),回转半径",
    };
    for (const std::string header : headers) {
        const Checked checked = CheckText(header + "\n" + kRow + "\n");
        EXPECT_EQ(checked.out, header + kOutHeader.substr(kHeader.size() - 1) + kOutRow) << header;
        EXPECT_EQ(checked.problems, "") << header;
    }
}

TEST(CheckBays, InChineseTheSameStructureAndChineseHeadingsReadBack) {
    // A thousands separator typed with a Chinese input method, a short row.
    const Checked zh = CheckText(kHeader + "a,6,8,2,20,\"1，000\",12,3\na,6,8\n" + kRow + "\n", CheckOptions(),
                                 {Language::Chinese, ColumnHeading::Names});
    EXPECT_EQ(OutputField(ReadRecords(zh.out), 1, "error"), "W：\"1，000\" 不是数字");
    EXPECT_EQ(zh.problems, "in:2: W：\"1，000\" 不是数字\n"
                           "in:3: 3 个字段，而表头有 8 个；该行略去\n"
                           "in: 已写出 2 行，其中 1 行不能计算；略去 1 行\n");
    // Under Chinese headings with units; a run over that output drops them
    // as an earlier run's and writes the same again.
    const Checked named = CheckText(kHeader + kRow + "\n", CheckOptions(), {Language::English, ColumnHeading::Chinese});
    EXPECT_EQ(named.out, "bay,H,B,n,T,W,A,i,斜杆内力N1(kN),柱底拔力Nt1(kN),平面内计算长度Lx1(m),需要回转半径Rx1(cm),"
                         "平面外计算长度Ly1(m),需要回转半径Ry1(cm),拉应力f1(N/mm2),斜杆内力N2(kN),柱底拔力Nt2(kN),"
                         "平面内计算长度Lx2(m),需要回转半径Rx2(cm),平面外计算长度Ly2(m),需要回转半径Ry2(cm),稳定系数φ,"
                         "压应力f2(N/mm2),错误\n" + kOutRow);
    const Checked again = CheckText(named.out, CheckOptions(), {Language::English, ColumnHeading::Chinese});
    EXPECT_EQ(again.out, named.out);
    EXPECT_EQ(again.problems.rfind("in: columns 斜杆内力N1(kN), 柱底拔力Nt1(kN), ", 0), 0u) << again.problems;
}

TEST(CheckBays, ByteOrderMarkOnRequestOrNot) {
    const std::string gbk = kHeader + "\xB6\xCB,6,8,2,20,30,12,3\n";
    CheckOptions options;
    options.byteOrderMark = ByteOrderMarkChoice::Always;
    EXPECT_EQ(CheckText(kHeader + kRow + "\n", options).out.substr(0, 3), "\xEF\xBB\xBF");
    options.byteOrderMark = ByteOrderMarkChoice::Never;
    EXPECT_EQ(CheckText(gbk, options).out.substr(0, 3), "bay");
}

TEST(CheckBays, ProblemsAreNamedAndTheRestWritten) {
    std::string quoteOnLine5 = kHeader + kRow + "\n" + kRow + "\n" + kRow + "\n\"b,6,8,2,20,30,12,3\n";
    for (int line = 6; line <= 10000; ++line) {
        quoteOnLine5 += kRow + "\n";
    }
    const CheckExit problems = kCheckProblems;
    const RunCase cases[] = {
        {"a field short, a field over, one field",
         kHeader + kRow + "\na,6,8,2,20,30,12\n" + kRow + ",x\nstray\n,6,8,2,20,30,12,3\n",
         kOutHeader + kOutRow + ",6,8,2,20,30,12,3," + kResults + "\n",
         "in:3: 7 fields where the header has 8; row left out\n"
         "in:4: 9 fields where the header has 8; row left out\n"
         "in:5: 1 field where the header has 8; row left out\n"
         "in: 2 rows written; 3 rows left out\n", problems},
        {"a quote never closed: the lines from it to the end", quoteOnLine5,
         kOutHeader + kOutRow + kOutRow + kOutRow,
         "in:5: the quote that opens field 1 (bay) is never closed; lines 5 to 10000 are left out\n"
         "in: 3 rows written; lines 5 to 10000 left out (a quote never closed)\n", problems},
        {"an oversized row", kHeader + "a" + std::string(CsvReader::kMaxRecordBytes, 'x') + "\n" + kRow + "\n",
         kOutHeader + kOutRow,
         "in:2: row longer than 1 MiB or more than 16384 fields; left out\n"
         "in: 1 row written; 1 row left out\n", problems},
        {"bytes not valid in UTF-8 after the encoding is settled",
         kHeader + "端跨,6,8,2,20,30,12,3\n\"a\xFF\nb\",6,8,2,20,30,12,3\n",
         kOutHeader + "端跨,6,8,2,20,30,12,3," + kResults + "\n\"a\xEF\xBF\xBD\nb\",6,8,2,20,30,12,3," + kResults + "\n",
         "in:3: bytes not valid in UTF-8, each shown as U+FFFD\n"
         "in: 2 rows written; 1 line with bytes not valid in UTF-8\n", problems},
        {"a lone CR inside a field stays data, quoted", kHeader + "\"x\ry\",6,8,2,20,30,12,3\n",
         kOutHeader + "\"x\ry\",6,8,2,20,30,12,3," + kResults + "\n", "", kCheckDone},
    };
    for (const RunCase& c : cases) {
        ExpectRun(c, CheckText(c.text));
    }
}

TEST(CheckBays, WithoutAUsableHeaderNothingIsWritten) {
    const std::string names = " (the header must name H, B, n, T, W and either A and i or section); ";
    const std::string workbook = "in: this is a spreadsheet workbook, not CSV: save it as CSV first\n";
    struct Case {
        const char* why;
        std::string text;
        std::string problems;
    } const cases[] = {
        {"empty input", "", "in: empty input, no header line\n"},
        {"an input missing", "H,B,n,T,W,A\n6,8,2,20,30,12\n",
         "in:1: no column named i" + names + "the header's fields: \"H\", \"B\", \"n\", \"T\", \"W\", \"A\"\n"},
        {"a unit not the column's: mm for m", "H (mm),B,n,T,W,A,i\n",
         "in:1: \"H (mm)\": column H is in m; the header's fields: \"H (mm)\", \"B\", \"n\", \"T\", \"W\", \"A\", "
         "\"i\"\n"},
        {"a count takes no unit", "H,B,n（榀）,T,W,A,i\n",
         "in:1: \"n（榀）\": column n takes no unit; the header's fields: \"H\", \"B\", \"n（榀）\", \"T\", \"W\", "
         "\"A\", \"i\"\n"},
        {"two names of one column", "H,B,n,T,W,A,i,柱撑高度\n",
         "in:1: \"H\" and \"柱撑高度\" both name column H (columns 1 and 8); the header's fields: \"H\", \"B\", \"n\", "
         "\"T\", \"W\", \"A\", \"i\", \"柱撑高度\"\n"},
        {"an .xlsx", std::string("PK\x03\x04\x14\x00\x06\x00", 8), workbook},
        {"an .xls", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", workbook},
        {"UTF-16 without its BOM", std::string("H\0,\0B\0\n\0", 8),
         "in:1: no column named H" + names + "the header's fields: \"H\\x00\", \"\\x00B\\x00\"\n"},
        {"a separator no one guesses", "bay|H|B|n|T|W|A|\xC3\xAF\n",
         "in:1: no column named H" + names + "the header is one field: \"bay|H|B|n|T|W|A|\xC3\xAF\"\n"},
        {"an input named twice", "H,B,n,T,W,A,i,B\n", "in:1: column B appears twice (columns 2 and 8); the header's "
                                                       "fields: \"H\", \"B\", \"n\", \"T\", \"W\", \"A\", \"i\", \"B\"\n"},
        {"a quote never closed", "H,\"B,n\n", "in:1: header: the quote that opens field 2 is never closed\n"},
        {"an oversized header", std::string(CsvReader::kMaxRecordBytes + 1, 'H'),
         "in:1: header longer than 1 MiB or more than 16384 fields\n"},
    };
    for (const Case& c : cases) {
        const Checked checked = CheckText(c.text);
        EXPECT_EQ(checked.out, "") << c.why;
        EXPECT_EQ(checked.problems, c.problems) << c.why;
        EXPECT_EQ(checked.exit, kCheckProblems) << c.why;
    }
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
    EXPECT_NE(checked.problems.find("in: more problems with rows; only the first 20 are listed\n"),
              std::string::npos);
    EXPECT_NE(checked.problems.find("in: 1 row written; 30 rows left out\n"), std::string::npos);
}

TEST(CheckBays, AReadErrorIsAFailureNotTheEnd) {
    const RunCase cases[] = {
        {"before the header", "", "", std::string("in: cannot read: ") + std::strerror(EIO) + "\n", kCheckFailed},
        {"after the header", kHeader + kRow + "\n", kOutHeader + kOutRow,
         std::string("in: cannot read after line 2: ") + std::strerror(EIO) + "\n", kCheckFailed},
    };
    for (const RunCase& c : cases) {
        FailingSource source(c.text);
        ExpectRun(c, CheckSource(source));
    }
}
