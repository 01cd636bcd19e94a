// How a header names the checker's input columns, as engineers write it:
// in any letter case or by a Chinese name, white space around it, and the
// column's own unit in brackets after it: `H (m)`, `T(kN)`, `A[cm2]`,
// `高度（m）`, `高度【m】`.
#ifndef BRACING_BATCH_HEADER_NAMES_H
#define BRACING_BATCH_HEADER_NAMES_H

#include <string_view>

struct HeaderName {
    // The column's own name (`H`, `bay`, `lambda_t`); null when the text
    // names none of the checker's columns.
    const char* column = nullptr;
    // A unit in brackets that is not the column's: the header cannot be used.
    bool wrongUnit = false;
};

HeaderName ReadHeaderName(std::string_view text);

// The unit `column` (its own name) is in, as written in messages; "" for
// a count or words.
const char* ColumnUnit(std::string_view column);

#endif
