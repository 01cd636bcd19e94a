// Streaming CSV reader over decoded text: quoted fields with doubled
// quotes, separators and line breaks inside quotes. Outside quotes LF,
// CRLF, a lone CR and CR CR LF each end a record. Memory stays that of the
// longest record, whatever the number of rows, and a record is never
// allowed to grow past kMaxRecordBytes and kMaxRecordFields: a stray quote
// cannot make it swallow the whole input.
#ifndef BRACING_IO_CSV_READER_H
#define BRACING_IO_CSV_READER_H

#include "io/input_decoder.h"
#include "io/line_counter.h"

#include <cstddef>
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

    explicit CsvReader(InputDecoder& input, char separator = ',');

    InputDecoder& Input() { return input_; }
    char Separator() const { return separator_; }
    void SetSeparator(char separator) { separator_ = separator; }

    // Keeps the text of the next record as it was read, line end included,
    // in RecordText(): the header, to be split again with another separator.
    void KeepRecordText() { keepText_ = true; }
    const std::string& RecordText() const { return text_; }

    // Reads the next record into `record`, reusing its strings' storage.
    CsvStatus Next(CsvRecord& record);

    // The line on which the last record began, counting from 1.
    long RecordLine() const { return recordLine_; }
    // After UnterminatedQuote: where the quote that was never closed opened,
    // the line and the field (counting from 1), and the input's last line.
    long OpenQuoteLine() const { return openQuoteLine_; }
    std::size_t OpenQuoteField() const { return openQuoteField_; }
    long LastLine() const { return lines_.LastLine(); }
    // After ReadError: the errno of the failed read.
    int ReadErrorNumber() const { return input_.ErrorNumber(); }

private:
    bool Peek();
    void Consume(const char* to);
    void EndCarriageReturn();

    InputDecoder& input_;
    char separator_;
    const char* next_ = nullptr;  // the text at hand
    const char* end_ = nullptr;
    LineCounter lines_;
    bool keepText_ = false;
    std::string text_;
    bool blankRecordNext_ = false;  // a second CR not followed by LF ended a blank line
    long blankRecordLine_ = 0;
    long recordLine_ = 0;
    long openQuoteLine_ = 0;
    std::size_t openQuoteField_ = 0;
};

#endif
