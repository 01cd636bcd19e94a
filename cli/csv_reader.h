// Streaming CSV reader: quoted fields with doubled quotes, commas and line
// breaks inside quotes, LF or CRLF line ends, a UTF-8 BOM at the start.
// Memory stays that of the longest record, whatever the number of rows,
// and a record is never allowed to grow past kMaxRecordBytes and
// kMaxRecordFields: a stray quote cannot make it swallow the whole input.
#ifndef BRACING_CLI_CSV_READER_H
#define BRACING_CLI_CSV_READER_H

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

using CsvRecord = std::vector<std::string>;

enum class CsvStatus {
    Record,             // a record was read
    End,                // no more input
    UnterminatedQuote,  // the input ended inside a quoted field
    ReadError,          // the stream failed
    TooLong,            // a record over the limits, passed over; reading goes on
};

class CsvReader {
public:
    static constexpr std::size_t kMaxRecordBytes = std::size_t{1} << 20;
    static constexpr std::size_t kMaxRecordFields = 16384;

    // Reads `input` in blocks of `blockSize` bytes.
    explicit CsvReader(std::FILE* input, std::size_t blockSize = std::size_t{1} << 16);
    // Reads `size` bytes at `text`, which must outlive the reader, handing
    // them over `pieceSize` bytes at a time as a stream would.
    CsvReader(const char* text, std::size_t size, std::size_t pieceSize = static_cast<std::size_t>(-1));

    // Reads the next record into `record`, reusing its strings' storage.
    CsvStatus Next(CsvRecord& record);

    // The line on which the last record began, counting from 1.
    long RecordLine() const { return recordLine_; }
    // After UnterminatedQuote: where the quote that was never closed opened,
    // the line and the field (counting from 1).
    long OpenQuoteLine() const { return openQuoteLine_; }
    std::size_t OpenQuoteField() const { return openQuoteField_; }
    // After ReadError: the errno of the failed read.
    int ReadErrorNumber() const { return readErrorNumber_; }

private:
    bool Refill();
    bool AtEnd();
    void SkipByteOrderMark();
    void CountLine();

    std::FILE* input_ = nullptr;  // null: reading text in memory
    std::vector<char> block_;
    const char* text_ = nullptr;  // in memory: what is not yet handed over
    const char* textEnd_ = nullptr;
    std::size_t pieceSize_ = 0;
    const char* next_ = nullptr;  // the bytes at hand
    const char* end_ = nullptr;
    bool started_ = false;
    bool ended_ = false;
    bool failed_ = false;
    int readErrorNumber_ = 0;
    long line_ = 1;
    long recordLine_ = 0;
    long openQuoteLine_ = 0;
    std::size_t openQuoteField_ = 0;
};

#endif
