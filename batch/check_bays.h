// One run of the batch checker: the header, then every row in turn, each
// handed to the sinks as soon as it is read. Problems go to their own
// sink, each with its line; the rows around them are still written.
#ifndef BRACING_BATCH_CHECK_BAYS_H
#define BRACING_BATCH_CHECK_BAYS_H

#include "io/csv_reader.h"
#include "batch/bay_sink.h"
#include "batch/design_inputs.h"
#include "batch/problem.h"

enum CheckExit {
    kCheckDone = 0,      // every row read and written; refused bays and NG are answers
    kCheckProblems = 1,  // the input had problems, or no usable header
    kCheckFailed = 2,    // the input could not be read or the output not written
};

enum class ByteOrderMarkChoice { LikeInput, Always, Never };

struct CheckOptions {
    // LikeInput: a BOM when the input had one, or was GBK or UTF-16, so
    // that a spreadsheet opens the output right.
    ByteOrderMarkChoice byteOrderMark = ByteOrderMarkChoice::LikeInput;
    bool separatorGiven = false;  // otherwise ; or tab is taken when the header says so
    DesignDefaults design;        // for an input that names sections
    // The calc sheet, when one is asked for, beside the rows' own sink.
    BaySink* sheet = nullptr;
};

struct CheckOutcome {
    CheckExit exit;
    bool headerWritten;
    // Every input line is in the output, its input columns as they were:
    // none left out, no quote left open, no byte invalid (refused rows count).
    bool everyLineCarried;
};

// `rows` takes every row (the CSV output); a failed write there ends the run.
CheckOutcome CheckBays(CsvReader& reader, const CheckOptions& options, BaySink& rows,
                       ProblemSink& problems);

#endif
