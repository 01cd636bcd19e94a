#include "io/csv_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <numeric>
#include <string>
#include <vector>

namespace {

// A reader over a copy of UTF-8 text, decoded in blocks of `blockSize`.
struct TextReader {
    TextReader(const std::string& text, std::size_t blockSize, char separator = ',')
        : copy(text), source(copy.data(), copy.size()), decoder(source, EncodingChoice::Utf8, blockSize),
          reader(decoder, separator) {}
    std::string copy;
    MemorySource source;
    InputDecoder decoder;
    CsvReader reader;
};

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

// Blocks of 4 to 7 bytes cut every quote pair, CRLF and CR CR LF somewhere.
const std::size_t kBlockSizes[] = {std::size_t{1} << 16, 4, 5, 6, 7};

}  // namespace

TEST(CsvReader, RecordsHoweverTheTextIsCut) {
    struct Case {
        const char* why;
        std::string text;
        std::vector<CsvRecord> records;
        CsvStatus end;
    };
    const Case cases[] = {
        {"LF", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}, CsvStatus::End},
        {"CRLF", "a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}, CsvStatus::End},
        {"a lone CR", "a,b\r1,2\r", {{"a", "b"}, {"1", "2"}}, CsvStatus::End},
        {"CR CR LF", "a,b\r\r\n1,2\r\r\n", {{"a", "b"}, {"1", "2"}}, CsvStatus::End},
        {"CR CR alone: a blank line between", "a\r\rb", {{"a"}, {""}, {"b"}}, CsvStatus::End},
        {"no final line end", "a,b\n1,2", {{"a", "b"}, {"1", "2"}}, CsvStatus::End},
        {"a blank last line is a record of one empty field", "a\n\r\n", {{"a"}, {""}}, CsvStatus::End},
        {"separators, doubled quotes, line ends inside quotes stay data",
         "\"a,1\",\"say \"\"hi\"\"\",\"x\ny\",\"p\r\nq\",\"r\rs\"\n",
         {{"a,1", "say \"hi\"", "x\ny", "p\r\nq", "r\rs"}}, CsvStatus::End},
        {"empty fields, quoted or not", ",\"\",\n", {{"", "", ""}}, CsvStatus::End},
        {"a quote closing the input", "a,\"b\"", {{"a", "b"}}, CsvStatus::End},
        {"a quote inside plain text is text", "1234\" pipe,x\n", {{"1234\" pipe", "x"}}, CsvStatus::End},
        {"text after a closing quote is kept", "\"a\"b,c\n", {{"ab", "c"}}, CsvStatus::End},
        {"a NUL is data", std::string("a\0b,c\n", 6), {{std::string("a\0b", 3), "c"}}, CsvStatus::End},
        {"unterminated quote", "a\n\"open,1\n", {{"a"}}, CsvStatus::UnterminatedQuote},
        {"empty input", "", {}, CsvStatus::End},
    };
    for (const Case& c : cases) {
        for (std::size_t block : kBlockSizes) {
            TextReader text(c.text, block);
            const Read read = ReadAll(text.reader);
            EXPECT_EQ(read.records, c.records) << c.why << ", blocks of " << block;
            EXPECT_EQ(read.end, c.end) << c.why << ", blocks of " << block;
        }
    }
}

TEST(CsvReader, OtherSeparators) {
    for (const char separator : {';', '\t'}) {
        const std::string text = std::string("a") + separator + "\"b" + separator + "c\",d\n";
        TextReader reader(text, 4, separator);
        const Read read = ReadAll(reader.reader);
        EXPECT_EQ(read.records, (std::vector<CsvRecord>{{"a", std::string("b") + separator + "c,d"}}));
    }
}

TEST(CsvReader, LinesAsAnEditorShowsThem) {
    // The messages name lines as an editor shows them, breaks inside quotes
    // too; CR CR LF is two, and CR CR alone leaves a blank line between.
    const std::string text = "h\n\"two\rlines\"\r\nthird\r\r\nfourth\r\rx,\"open\r\nstill open\n";
    TextReader reader(text, 5);
    const Read read = ReadAll(reader.reader);
    EXPECT_EQ(read.lines, (std::vector<long>{1, 2, 4, 6, 7}));
    EXPECT_EQ(read.end, CsvStatus::UnterminatedQuote);
    EXPECT_EQ(reader.reader.RecordLine(), 8);
    EXPECT_EQ(reader.reader.OpenQuoteLine(), 8);
    EXPECT_EQ(reader.reader.OpenQuoteField(), 2u);
    EXPECT_EQ(reader.reader.LastLine(), 9);
}

TEST(CsvReader, KeepsTheHeadersTextOnRequest) {
    const std::string header = "\"a\nb\";c\r\r\n";
    TextReader reader(header + "1;2;3\n", 4);
    CsvRecord record;
    reader.reader.KeepRecordText();
    ASSERT_EQ(reader.reader.Next(record), CsvStatus::Record);
    EXPECT_EQ(reader.reader.RecordText(), header);
    ASSERT_EQ(reader.reader.Next(record), CsvStatus::Record);
    EXPECT_EQ(reader.reader.RecordText(), "");
}

TEST(CsvReader, OversizedRecordsArePassedOverAndReadingGoesOn) {
    const std::string longField(CsvReader::kMaxRecordBytes + 1, 'x');
    const std::string manyFields(CsvReader::kMaxRecordFields, ',');  // one field more than allowed
    struct Case {
        const char* why;
        std::string text;
        bool kept;
    };
    const Case cases[] = {
        {"a field at the byte limit", "h\n" + longField.substr(1) + "\nlast\n", true},
        {"a field over the byte limit", "h\n" + longField + "\nlast\n", false},
        {"over the byte limit inside quotes, a line break too", "h\n\"" + longField + "\n\"\nlast\n", false},
        {"fields at the limit", "h\n" + manyFields.substr(1) + "\nlast\n", true},
        {"too many fields", "h\n" + manyFields + "\nlast\n", false},
    };
    for (const Case& c : cases) {
        TextReader text(c.text, std::size_t{1} << 16);
        CsvRecord record;
        ASSERT_EQ(text.reader.Next(record), CsvStatus::Record) << c.why;
        EXPECT_EQ(text.reader.Next(record), c.kept ? CsvStatus::Record : CsvStatus::TooLong) << c.why;
        EXPECT_EQ(record.empty(), !c.kept) << c.why << ": nothing of a record passed over";
        EXPECT_EQ(text.reader.RecordLine(), 2) << c.why;
        ASSERT_EQ(text.reader.Next(record), CsvStatus::Record) << c.why;
        EXPECT_EQ(record, CsvRecord{"last"}) << c.why;
    }
}

TEST(CsvReader, AStrayQuoteDoesNotHoldTheRestOfTheInput) {
    // Three megabytes of rows after an opening quote that is never closed.
    std::string text = "h\n\"stray\n";
    while (text.size() < 3 * CsvReader::kMaxRecordBytes) {
        text += "bay,6,8,2,20,30,12,3\n";
    }
    TextReader reader(text, std::size_t{1} << 16);
    CsvRecord record;
    ASSERT_EQ(reader.reader.Next(record), CsvStatus::Record);
    EXPECT_EQ(reader.reader.Next(record), CsvStatus::UnterminatedQuote);
    EXPECT_EQ(reader.reader.OpenQuoteLine(), 2);
    const std::size_t held = std::accumulate(
        record.begin(), record.end(), std::size_t{0},
        [](std::size_t sum, const std::string& field) { return sum + field.capacity(); });
    EXPECT_LE(held, 2 * CsvReader::kMaxRecordBytes);
}

TEST(CsvReader, AFailedReadIsReportedNotTakenForTheEnd) {
    // A directory opens as a stream on POSIX systems and then fails to read.
    std::FILE* directory = std::fopen(".", "rb");
    if (directory == nullptr) {
        GTEST_SKIP() << "a directory does not open as a stream here";
    }
    FileSource source(directory);
    InputDecoder decoder(source, EncodingChoice::Detect);
    CsvReader reader(decoder);
    CsvRecord record;
    EXPECT_EQ(reader.Next(record), CsvStatus::ReadError);
    EXPECT_NE(reader.ReadErrorNumber(), 0);
    EXPECT_EQ(reader.Next(record), CsvStatus::ReadError);
    std::fclose(directory);
}
