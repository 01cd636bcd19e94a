// CSV output: fields quoted only where they must be.
#ifndef BRACING_IO_CSV_WRITER_H
#define BRACING_IO_CSV_WRITER_H

#include <string>

// Appends `field` to `line`, preceded by a comma unless it is the first.
void AppendCsvField(std::string& line, const std::string& field, bool first);
void AppendCsvField(std::string& line, const char* field, bool first);

#endif
