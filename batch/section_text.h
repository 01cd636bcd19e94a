// Section designations as engineers write them, and as the output writes
// them: L63x6, 2L63x6, 2L63x6+, D89x4, D20.
#ifndef BRACING_BATCH_SECTION_TEXT_H
#define BRACING_BATCH_SECTION_TEXT_H

#include <string>
#include <string_view>

#include "batch/row_refusal.h"
#include "design/section.h"

// Reads a section cell, white space anywhere, x X × * between dimensions:
// single angles L63x6, ∠63×6, ∟63×6, l63X6, the standard's L63×63×6; two
// angles 2L63x6, 2∠63×6 (T), 2L63x6+, 2∠63×6十 (cross); tubes D89x4,
// Φ89×4, φ89×4, Ø89×4, P89x4; round bars D20, Φ20, d20. Returns true
// with `section` and `given` set, or `given` false for a blank cell (the
// section is to be sized). Returns false with `why` for anything else: a
// size the family lacks, an unequal angle, or no designation at all.
bool ReadSection(std::string_view text, bool& given, Section& section, RefusalCode& why);

// Appends the designation of `section` in its canonical form.
void AppendDesignation(const Section& section, std::string& out);

#endif
