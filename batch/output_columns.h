// The columns the checker writes after the input columns: the dialog's
// results, the design check's columns when the input names sections, then
// these. An input column named like any of them, in either spelling, is
// the output of an earlier run: dropped and written afresh, so that a run
// over an edited output gives one set of results, the new ones.
#ifndef BRACING_BATCH_OUTPUT_COLUMNS_H
#define BRACING_BATCH_OUTPUT_COLUMNS_H

#include "ui/result_rows.h"

#include <string>
#include <string_view>

extern const char* const kErrorColumn;

// How the output's own columns are headed: by their names (N1, ok1), or by
// Chinese names with units (斜杆内力N1(kN), 拉杆结论).
enum class ColumnHeading { Names, Chinese };

// Whether `name` (trimmed) is the heading of a column the checker writes.
bool IsOutputColumnName(std::string_view name);

// Appends the heading of the output column `name`, after a comma.
void AppendColumnHeading(std::string& line, const char* name, ColumnHeading heading);

// The Chinese heading of the output column `name`; `name` itself when the
// checker writes no such column.
const char* ChineseColumnHeading(const char* name);

// Whether the dialog's result `row` is written beside the design check:
// the forces and lengths. Its radii, stresses and u belong to the dialog's
// own model (one i, limits 400 and 150, class b) and would sit beside
// different code values for the same section.
bool ShownWithDesignCheck(const ResultRow& row);

#endif
