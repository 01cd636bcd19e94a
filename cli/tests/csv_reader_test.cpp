#include "csv_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <numeric>
#include <string>
#include <vector>

namespace {

struct Read {
    std::vector<CsvRecord> records;
    std::vector<long> lines;
    CsvStatus end = CsvStatus::Record;
};

Read ReadAll(CsvReader& reader) {
    Read read;
    CsvRecord record;
    while ((read.end = reader.Next(record)) == CsvStatus::Record) {
        read.records.push_back(record);
        read.lines.push_back(reader.RecordLine());
    }
    return read;
}

// Each text is also handed over in pieces of 1, 2, 3 and 5 bytes, so that
// every quote pair, CRLF and byte order mark is cut somewhere.
const std::size_t kPieceSizes[] = {static_cast<std::size_t>(-1), 1, 2, 3, 5};

}  // namespace

TEST(CsvReader, RecordsHoweverTheInputIsCut) {
    struct Case {
        const char* why;
        std::string text;
        std::vector<CsvRecord> records;
        CsvStatus end;
    };
    const Case cases[] = {
        {"LF", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}, CsvStatus::End},
        {"CRLF", "a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}, CsvStatus::End},
        {"no final line end", "a,b\n1,2", {{"a", "b"}, {"1", "2"}}, CsvStatus::End},
        {"a blank last line is a record of one empty field", "a\n\r\n", {{"a"}, {""}}, CsvStatus::End},
        {"UTF-8 BOM skipped", "\xEF\xBB\xBFH,B\n", {{"H", "B"}}, CsvStatus::End},
        {"BOM bytes later on are data", "H\n\xEF\xBB\xBF\n", {{"H"}, {"\xEF\xBB\xBF"}}, CsvStatus::End},
        {"two bytes of a BOM are data", "\xEF\xBBH\n", {{"\xEF\xBBH"}}, CsvStatus::End},
        {"commas, doubled quotes, line breaks inside quotes",
         "\"a,1\",\"say \"\"hi\"\"\",\"x\ny\",\"p\r\nq\"\n", {{"a,1", "say \"hi\"", "x\ny", "p\r\nq"}},
         CsvStatus::End},
        {"empty fields, quoted or not", ",\"\",\n", {{"", "", ""}}, CsvStatus::End},
        {"a quote closing the input", "a,\"b\"", {{"a", "b"}}, CsvStatus::End},
        {"a quote inside plain text is text", "12\" pipe,x\n", {{"12\" pipe", "x"}}, CsvStatus::End},
        {"text after a closing quote is kept", "\"a\"b,c\n", {{"ab", "c"}}, CsvStatus::End},
        {"CR alone is data", "a\rb\n", {{"a\rb"}}, CsvStatus::End},
        {"unterminated quote", "a\n\"open,1\n", {{"a"}}, CsvStatus::UnterminatedQuote},
        {"Chinese passes through", "名称,H\n端跨,6\n", {{"名称", "H"}, {"端跨", "6"}}, CsvStatus::End},
        {"empty input", "", {}, CsvStatus::End},
    };
    for (const Case& c : cases) {
        for (std::size_t piece : kPieceSizes) {
            CsvReader reader(c.text.data(), c.text.size(), piece);
            const Read read = ReadAll(reader);
            EXPECT_EQ(read.records, c.records) << c.why << ", pieces of " << piece;
            EXPECT_EQ(read.end, c.end) << c.why << ", pieces of " << piece;
        }
    }
}

TEST(CsvReader, LinesCountBreaksInsideQuotes) {
    // The messages name lines as an editor shows them.
    const std::string text = "h\n\"two\nlines\"\r\nthird\nx,\"open\r\nstill open\n";
    CsvReader reader(text.data(), text.size(), 3);
    const Read read = ReadAll(reader);
    EXPECT_EQ(read.lines, (std::vector<long>{1, 2, 4}));
    EXPECT_EQ(read.end, CsvStatus::UnterminatedQuote);
    EXPECT_EQ(reader.RecordLine(), 5);
    EXPECT_EQ(reader.OpenQuoteLine(), 5);
    EXPECT_EQ(reader.OpenQuoteField(), 2u);
}

TEST(CsvReader, OversizedRecordsArePassedOverAndReadingGoesOn) {
    const std::string longField(CsvReader::kMaxRecordBytes + 1, 'x');
    const std::string manyFields(CsvReader::kMaxRecordFields, ',');  // one field more than allowed
    struct Case {
        const char* why;
        std::string text;
    };
    const Case cases[] = {
        {"a field over the byte limit", "h\n" + longField + "\nlast\n"},
        {"over the byte limit inside quotes, a line break too", "h\n\"" + longField + "\n\"\nlast\n"},
        {"too many fields", "h\n" + manyFields + "\nlast\n"},
    };
    for (const Case& c : cases) {
        CsvReader reader(c.text.data(), c.text.size());
        CsvRecord record;
        ASSERT_EQ(reader.Next(record), CsvStatus::Record) << c.why;
        EXPECT_EQ(reader.Next(record), CsvStatus::TooLong) << c.why;
        EXPECT_EQ(reader.RecordLine(), 2) << c.why;
        ASSERT_EQ(reader.Next(record), CsvStatus::Record) << c.why;
        EXPECT_EQ(record, CsvRecord{"last"}) << c.why;
    }
}

TEST(CsvReader, AStrayQuoteDoesNotHoldTheRestOfTheInput) {
    // Three megabytes of rows after an opening quote that is never closed.
    std::string text = "h\n\"stray\n";
    while (text.size() < 3 * CsvReader::kMaxRecordBytes) {
        text += "bay,6,8,2,20,30,12,3\n";
    }
    CsvReader reader(text.data(), text.size());
    CsvRecord record;
    ASSERT_EQ(reader.Next(record), CsvStatus::Record);
    EXPECT_EQ(reader.Next(record), CsvStatus::UnterminatedQuote);
    EXPECT_EQ(reader.OpenQuoteLine(), 2);
    const std::size_t held = std::accumulate(
        record.begin(), record.end(), std::size_t{0},
        [](std::size_t sum, const std::string& field) { return sum + field.capacity(); });
    EXPECT_LE(held, 2 * CsvReader::kMaxRecordBytes);
}

TEST(CsvReader, StreamInSmallBlocks) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    const std::string text = "\xEF\xBB\xBFH,\"B\"\"\"\r\n6,\"8\r\n\"\r\n";
    std::fwrite(text.data(), 1, text.size(), file);
    std::rewind(file);
    CsvReader reader(file, 4);
    const Read read = ReadAll(reader);
    std::fclose(file);
    EXPECT_EQ(read.records, (std::vector<CsvRecord>{{"H", "B\""}, {"6", "8\r\n"}}));
    EXPECT_EQ(read.end, CsvStatus::End);
}

TEST(CsvReader, AFailedReadIsReportedNotTakenForTheEnd) {
    // A directory opens as a stream on POSIX systems and then fails to read.
    std::FILE* directory = std::fopen(".", "rb");
    if (directory == nullptr) {
        GTEST_SKIP() << "a directory does not open as a stream here";
    }
    CsvReader reader(directory);
    CsvRecord record;
    EXPECT_EQ(reader.Next(record), CsvStatus::ReadError);
    EXPECT_NE(reader.ReadErrorNumber(), 0);
    EXPECT_EQ(reader.Next(record), CsvStatus::ReadError);
    std::fclose(directory);
}
