// The design check's output columns of a row: section1 … ok1, then
// section2 … ok2, then the adopted design (adopted … ok), in the texts the
// calc sheet shows too.
#ifndef BRACING_BATCH_DESIGN_CELLS_H
#define BRACING_BATCH_DESIGN_CELLS_H

#include "batch/checked_row.h"
#include "batch/output_columns.h"

#include <string>

// Appends the columns' headings, each after a comma.
void AppendDesignHeader(std::string& line, ColumnHeading heading);

// Appends the cells of `design`, each after a comma; all empty when
// `design` is null (a bay not checked).
void AppendDesignCells(std::string& line, const BayDesign* design);

// Whether a number of a checked case is not finite.
bool DesignOutOfRange(const BayDesign& design);

// Whether sizing found no section for the case: its error column says so.
inline bool NoSectionPasses(const DesignCase& checked) {
    return checked.applies && checked.sized && checked.section == nullptr;
}

#endif
