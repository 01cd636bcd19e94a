// Angle designations as engineers write them, and as the output writes
// them (L63x6).
#ifndef BRACING_BATCH_SECTION_TEXT_H
#define BRACING_BATCH_SECTION_TEXT_H

#include <string>
#include <string_view>

#include "batch/row_refusal.h"
#include "design/section.h"
#include "design/section_family.h"

// Reads a section cell: L63x6, L63×6, ∠63×6, ∟63×6, L63*6, l63X6, the
// standard's L63×63×6, white space anywhere. Returns true with `section`
// that of `family`, or null for a blank cell (the angle is to be sized).
// Returns false for anything else with `why`: a size the family lacks, an
// unequal or a double angle, or no designation at all.
bool ReadSection(std::string_view text, const SectionFamily& family, const Section*& section,
                 RefusalCode& why);

// Appends the designation of `section` in the L63x6 form.
void AppendDesignation(const Section& section, std::string& out);

#endif
