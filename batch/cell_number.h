// A cell read as a number. In a batch nobody sees the cells, so a cell must
// be wholly a number: "1,000" or "6m" is refused, never read as its prefix.
#ifndef BRACING_BATCH_CELL_NUMBER_H
#define BRACING_BATCH_CELL_NUMBER_H

#include "batch/row_refusal.h"

#include <string_view>

enum class CellStatus {
    Number,      // wholly a number
    Empty,       // nothing but white space
    NotANumber,  // anything else around or instead of a number
    OutOfRange,  // a number beyond the range of a double
};

struct CellNumber {
    CellStatus status;
    double value;  // for Number only
};

// White space around the number (see cell_space.h), an optional sign,
// digits with an optional point, an optional exponent; full-width digits,
// point, signs and e read as their ASCII forms. A number reads exactly as
// the dialog reads the same text.
CellNumber ReadCellNumber(std::string_view cell);

// Adds why the cell `text` under `column` cannot be used; `status` is not
// Number.
void RefuseCell(RowRefusal& refusal, const char* column, std::string_view text, CellStatus status);

#endif
