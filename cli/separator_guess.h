// Spreadsheets in some countries separate columns by semicolons, and a
// "Unicode text" export by tabs.
#ifndef BRACING_CLI_SEPARATOR_GUESS_H
#define BRACING_CLI_SEPARATOR_GUESS_H

#include "csv_reader.h"

// When `header`, split by commas, names none of the input columns but its
// text (kept by the reader) split by semicolons or tabs does, the reader
// takes that separator on and `header` is split again. Returns what the
// separator is called, or null when nothing changed.
const char* GuessSeparator(CsvReader& reader, CsvRecord& header);

#endif
