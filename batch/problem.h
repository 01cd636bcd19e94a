// A problem the checker reports besides the rows, as a code with its data;
// the words are the message layer's, and a ProblemSink says them.
#ifndef BRACING_BATCH_PROBLEM_H
#define BRACING_BATCH_PROBLEM_H

#include "batch/row_refusal.h"
#include "io/csv_reader.h"
#include "io/input_decoder.h"
#include "io/text_problem.h"

#include <cstddef>
#include <string_view>
#include <vector>

enum class ProblemCode : unsigned char {
    Text,             // what io found: `text`
    EmptyInput,       // no header line
    ColumnMissing,    // header: `column`
    ColumnTwice,      // header: `column` in columns `count` and `of` (from 1)
    SectionBeside,    // header: `column`, A or i, beside section
    ColumnUnit,       // header: `column` headed in column `count` (from 1) with another unit
    ColumnsDropped,   // `names`: an earlier run's output
    ColumnsUnused,    // `names`: design columns beside A and i
    FieldCount,       // a row of `count` fields where the header has `of`
    RowRefused,       // `refusal`
    MoreRowProblems,  // only the first `count` listed
    Summary,          // `counts`
};
constexpr int kProblemCodeCount = static_cast<int>(ProblemCode::Summary) + 1;

// Whose name leads the problem's line.
enum class ProblemFile : unsigned char { Input, Output, Sheet };

// What a run did, for its summary.
struct RunCounts {
    long written = 0;
    long refused = 0;
    long leftOut = 0;
    long invalidLines = 0;
    long unreadFrom = 0;  // lines from an unclosed quote to the end
    long unreadTo = 0;
    InputEncoding encoding = InputEncoding::Utf8;
};

struct Problem {
    ProblemCode code = ProblemCode::Text;
    TextProblem text = TextProblem::NotValidBytes;  // for Text
    ProblemFile file = ProblemFile::Input;
    bool inHeader = false;  // Text: the header's quote or length
    long line = 0;          // 0: the file as a whole
    long toLine = 0;        // the last of the lines left out
    long count = 0;
    long of = 0;
    int errorNumber = 0;            // CannotRead (after line `count`, 0: before any), CannotWrite
    char separator = 0;             // SeparatorGuessed
    InputEncoding encoding = InputEncoding::Utf8;  // NotValidBytes
    std::string_view column;        // a column's name
    const CsvRecord* header = nullptr;  // as read; for QuoteNotClosed the names of fields
    const std::vector<std::string_view>* names = nullptr;
    const RowRefusal* refusal = nullptr;
    const RunCounts* counts = nullptr;
};

class ProblemSink {
public:
    virtual ~ProblemSink() = default;
    virtual void Say(const Problem& problem) = 0;
};

#endif
