// The columns the checker writes after the input columns: the dialog's
// fifteen results, then these. An input column named like any of them is
// the output of an earlier run: dropped and written afresh, so that a run
// over an edited output gives one set of results, the new ones.
#ifndef BRACING_CLI_OUTPUT_COLUMNS_H
#define BRACING_CLI_OUTPUT_COLUMNS_H

#include <string_view>

extern const char* const kErrorColumn;

// Whether `name` (trimmed) is the name of a column the checker writes.
bool IsOutputColumnName(std::string_view name);

#endif
