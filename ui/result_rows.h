// The fifteen result fields of the main dialog, in the order they are
// written, with the value each shows and its number of decimals.
#ifndef BRACING_UI_RESULT_ROWS_H
#define BRACING_UI_RESULT_ROWS_H

#include "calc/bracing.h"
#include "number_text.h"

struct ResultRow {
    int id;                       // read-only edit control
    const char* symbol;           // quantity name, as in BracingResults
    const char* unit;
    double BracingResults::*value;
    int decimals;                 // 3 lengths and forces, 2 radii and stresses, 4 phi
};

constexpr int kResultRowCount = 15;
extern const ResultRow kResultRows[kResultRowCount];

// The text that `row`'s field shows for `results`.
ResultText FormatResultRow(const ResultRow& row, const BracingResults& results);

#endif
