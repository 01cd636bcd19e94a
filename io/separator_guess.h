// Spreadsheets in some countries separate columns by semicolons, and a
// "Unicode text" export by tabs.
#ifndef BRACING_IO_SEPARATOR_GUESS_H
#define BRACING_IO_SEPARATOR_GUESS_H

#include "io/csv_reader.h"

// Whether a header names any of the columns the reader's caller needs.
using HeaderTest = bool (*)(const CsvRecord& header);

// When `header`, split by commas, fails `namesColumns` but its text (kept
// by the reader) split by semicolons or tabs passes, the reader takes that
// separator on and `header` is split again. Returns the separator taken,
// or 0 when nothing changed.
char GuessSeparator(CsvReader& reader, CsvRecord& header, HeaderTest namesColumns);

#endif
