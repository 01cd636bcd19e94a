#include "bay_table.h"
#include "csv_reader.h"
#include "csv_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Every record of `text`, and how reading ended.
struct Read {
    std::vector<CsvRecord> records;
    std::vector<long> lines;
    CsvStatus end;
};

Read ReadAll(const std::string& text) {
    std::FILE* file = std::tmpfile();
    std::fwrite(text.data(), 1, text.size(), file);
    std::rewind(file);
    CsvReader reader(file);
    Read read;
    CsvRecord record;
    while ((read.end = reader.Next(record)) == CsvStatus::Record) {
        read.records.push_back(record);
        read.lines.push_back(reader.RecordLine());
    }
    std::fclose(file);
    return read;
}

// The output line for one data row under `header`, or the header error.
std::string Checked(const CsvRecord& header, const CsvRecord& row) {
    BayTable table;
    std::string error;
    if (!table.ReadHeader(header, error)) {
        return "error: " + error;
    }
    std::string line;
    table.AppendRow(row, line);
    return line;
}

const CsvRecord kHeader = {"H", "B", "n", "T", "W", "A", "i"};

}  // namespace

TEST(CsvReader, RecordsAndTheirLines) {
    struct Case {
        const char* why;
        std::string text;
        std::vector<CsvRecord> records;
        CsvStatus end;
    } cases[] = {
        {"LF", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}, CsvStatus::End},
        {"CRLF", "a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}, CsvStatus::End},
        {"no final line end", "a,b\n1,2", {{"a", "b"}, {"1", "2"}}, CsvStatus::End},
        {"UTF-8 BOM skipped", "\xEF\xBB\xBFH,B\n", {{"H", "B"}}, CsvStatus::End},
        {"a lone BOM byte is data", "\xEFH\n", {{"\xEFH"}}, CsvStatus::End},
        {"quotes, commas and line breaks inside", "\"a,1\",\"say \"\"hi\"\"\",\"x\ny\"\n",
         {{"a,1", "say \"hi\"", "x\ny"}}, CsvStatus::End},
        {"empty fields", ",,\n", {{"", "", ""}}, CsvStatus::End},
        {"CR alone is data", "a\rb\n", {{"a\rb"}}, CsvStatus::End},
        {"unterminated quote", "a\n\"open,1\n", {{"a"}}, CsvStatus::UnterminatedQuote},
        {"Chinese passes through", "名称,H\n端跨,6\n", {{"名称", "H"}, {"端跨", "6"}}, CsvStatus::End},
    };
    for (const Case& c : cases) {
        const Read read = ReadAll(c.text);
        EXPECT_EQ(read.records, c.records) << c.why;
        EXPECT_EQ(read.end, c.end) << c.why;
    }
}

TEST(CsvReader, LineNumbersCountLineBreaksInsideQuotes) {
    const Read read = ReadAll("h\n\"two\nlines\"\nthird\r\n");
    EXPECT_EQ(read.lines, (std::vector<long>{1, 2, 4}));
}

TEST(CsvWriter, QuotesOnlyWhereNeeded) {
    std::string line;
    AppendCsvField(line, std::string("plain"), true);
    AppendCsvField(line, std::string("a,b"), false);
    AppendCsvField(line, std::string("say \"hi\""), false);
    AppendCsvField(line, std::string("x\ny"), false);
    AppendCsvField(line, "", false);
    EXPECT_EQ(line, "plain,\"a,b\",\"say \"\"hi\"\"\",\"x\ny\",");
}

TEST(BayTable, RowsGiveTheDialogsTextsWithoutPadding) {
    struct Case {
        const char* why;
        CsvRecord header;
        CsvRecord row;
        std::string line;
    } cases[] = {
        {"first example", kHeader, {"6", "8", "2", "20", "30", "12", "3"},
         "6,8,2,20,30,12,3,31.250,18.750,5.000,1.25,10.000,2.50,26.04,15.625,9.375,5.000,3.33,"
         "7.000,4.67,0.1403,92.81,"},
        {"columns in another order, extra column passed through", {"i", "note", "A", "W", "T", "n", "B", "H"},
         {"3", "端跨, 1", "12", "30", "20", "2", "8", "6"},
         "3,\"端跨, 1\",12,30,20,2,8,6,31.250,18.750,5.000,1.25,10.000,2.50,26.04,15.625,9.375,"
         "5.000,3.33,7.000,4.67,0.1403,92.81,"},
        {"rejected row keeps its inputs and says why", kHeader, {"0", "8", "2", "20", "30", "12", "3"},
         "0,8,2,20,30,12,3,,,,,,,,,,,,,,,,参数不能为负数和零"},
        {"texts read as the dialog reads them", kHeader, {" 6m", "8", "2", "20kN", "30", "12", "3"},
         " 6m,8,2,20kN,30,12,3,31.250,18.750,5.000,1.25,10.000,2.50,26.04,15.625,9.375,5.000,3.33,"
         "7.000,4.67,0.1403,92.81,"},
        {"header names with spaces around", {" H", "B ", "n", "T", "W", "A", "i"}, {"6", "8", "2", "20", "30", "12", "3"},
         "6,8,2,20,30,12,3,31.250,18.750,5.000,1.25,10.000,2.50,26.04,15.625,9.375,5.000,3.33,"
         "7.000,4.67,0.1403,92.81,"},
        {"missing column", {"H", "B", "N", "T", "W", "A", "i"}, {},
         "error: no column named n (the header must name H, B, n, T, W, A and i; names are "
         "case-sensitive)"},
        {"repeated column", {"H", "B", "n", "T", "W", "A", "i", "H"}, {},
         "error: column H appears twice (columns 1 and 8)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Checked(c.header, c.row), c.line) << c.why;
    }
}

TEST(BayTable, SameTextsAsTheDialogForEveryResult) {
    // Wide values too: the batch output is the dialog's text, trimmed.
    const CsvRecord rows[] = {{"600", "800", "2", "20", "30", "12", "3"},
                              {"9", "6", "2", "15", "35", "15.5", "2.8"},
                              {"1", "6", "8", "0", "45", "10", "3"}};
    for (const CsvRecord& row : rows) {
        BracingInputs in;
        for (int k = 0; k < kInputFieldCount; ++k) {
            StoreFieldText(in, kInputFields[k].id, row[static_cast<std::size_t>(k)].c_str());
        }
        BracingResults r;
        ASSERT_TRUE(ComputeBracing(in, r));
        std::string expected;
        for (const std::string& field : row) {
            expected += field + ",";
        }
        for (const ResultRow& result : kResultRows) {
            expected += std::string(TrimmedText(FormatResultRow(result, r))) + ",";
        }
        EXPECT_EQ(Checked(kHeader, row), expected);
    }
}
