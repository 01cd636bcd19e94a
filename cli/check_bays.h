// One run of the batch checker: the header, then every row in turn, each
// written as soon as it is read. Problems go to their own output, each
// naming the input and its line; the rows around them are still written.
#ifndef BRACING_CLI_CHECK_BAYS_H
#define BRACING_CLI_CHECK_BAYS_H

#include "csv_reader.h"
#include "text_output.h"

#include <string>

enum CheckExit {
    kCheckDone = 0,          // every row written (rejected bays included)
    kCheckRowsLeftOut = 1,   // malformed input: rows left out, or no usable header
    kCheckFailed = 2,        // the input could not be read or the output not written
};

// `inputName` is how the problems name the input (a file name, <stdin>).
// With `byteOrderMark` the output starts with a UTF-8 BOM.
CheckExit CheckBays(CsvReader& reader, const std::string& inputName, bool byteOrderMark,
                    TextOutput& out, TextOutput& problems);

#endif
