// Streaming CSV reader: quoted fields with doubled quotes, commas and line
// breaks inside quotes, LF or CRLF line ends, a UTF-8 BOM at the start.
// Memory stays that of the longest record, whatever the number of rows.
#ifndef BRACING_CLI_CSV_READER_H
#define BRACING_CLI_CSV_READER_H

#include <cstdio>
#include <string>
#include <vector>

using CsvRecord = std::vector<std::string>;

enum class CsvStatus {
    Record,             // a record was read
    End,                // no more input
    UnterminatedQuote,  // the input ended inside a quoted field
    ReadError,          // the stream failed
};

class CsvReader {
public:
    explicit CsvReader(std::FILE* input);

    // Reads the next record into `record`, reusing its strings' storage.
    CsvStatus Next(CsvRecord& record);

    // The line on which the last record began, counting from 1.
    long RecordLine() const { return recordLine_; }

private:
    int Get();
    int Peek();

    std::FILE* input_;
    std::vector<char> buffer_;
    std::string pending_;  // bytes read ahead and given back
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
    bool started_ = false;
    long line_ = 1;
    long recordLine_ = 0;
};

#endif
