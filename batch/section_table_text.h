// Every family's sizes as CSV (bracing-check --sections): one line a size,
// family,designation,A,ix,ix0,iy0,iy,mass with A in cm2, radii in cm (the
// member's, at the gusset gap for two angles), mass in kg/m; a cell that
// does not apply is empty.
#ifndef BRACING_BATCH_SECTION_TABLE_TEXT_H
#define BRACING_BATCH_SECTION_TABLE_TEXT_H

#include <string>

#include "io/text_output.h"

#include "design/section.h"

// Appends the header line's fields (no line end).
void AppendSectionHeader(std::string& line);

// Appends one size's fields (no line end): A and radii to 3 decimals, the
// mass as the standard prints it (twice that for two angles).
void AppendSectionRow(const Section& section, double gusset_mm, std::string& line);

// The whole list, a header line and a line a size, family by family in
// each one's own order. Returns false when a write failed (see TextOutput).
bool WriteSectionTable(TextOutput& out, double gusset_mm);

#endif
