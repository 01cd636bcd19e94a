// The angle table as CSV (bracing-check --sections): one line a size,
// designation,A,ix,ix0,iy0,mass with A in cm2, radii in cm, mass in kg/m.
#ifndef BRACING_BATCH_SECTION_TABLE_TEXT_H
#define BRACING_BATCH_SECTION_TABLE_TEXT_H

#include <string>

#include "io/text_output.h"

#include "design/section.h"

// Appends the header line's fields (no line end).
void AppendSectionHeader(std::string& line);

// Appends one size's fields (no line end): A and radii to 3 decimals, the
// mass as the standard prints it.
void AppendSectionRow(const Section& section, std::string& line);

// The whole table, a header line and a line a size, in the standard's
// order. Returns false when a write failed (see TextOutput).
bool WriteSectionTable(TextOutput& out);

#endif
