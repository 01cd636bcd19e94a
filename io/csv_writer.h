// CSV output: fields quoted only where they must be.
#ifndef BRACING_IO_CSV_WRITER_H
#define BRACING_IO_CSV_WRITER_H

#include <string>
#include <string_view>

// Appends `field` to `line`, preceded by a comma unless it is the first.
void AppendCsvField(std::string& line, std::string_view field, bool first);

#endif
