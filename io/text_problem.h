// What can go wrong with the text itself, reading or writing it, as codes
// with their data; the words are the message layer's.
#ifndef BRACING_IO_TEXT_PROBLEM_H
#define BRACING_IO_TEXT_PROBLEM_H

enum class TextProblem : unsigned char {
    NotValidBytes,     // a line with bytes not valid in the encoding: encoding
    ReadAsGbk,         // not UTF-8, so read as GBK
    SeparatorGuessed,  // the header split by ; or tab: separator
    QuoteNotClosed,    // a quote open to the end: field, the header's name of it
    RecordTooLong,     // a record past CsvReader's limits
    CannotRead,        // errno; after a line, or before any
    CannotWrite,       // errno
    Workbook,          // a spreadsheet's own file (ZIP or OLE), not CSV
};
constexpr int kTextProblemCount = static_cast<int>(TextProblem::Workbook) + 1;

#endif
