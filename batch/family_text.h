// Section family words: L (单角钢), 2L (双角钢), 2L+ (十字双角钢),
// tube (钢管), bar (圆钢).
#ifndef BRACING_BATCH_FAMILY_TEXT_H
#define BRACING_BATCH_FAMILY_TEXT_H

#include <string_view>

#include "design/section.h"

// Reads a family cell, in any ASCII letter case, white space around it. A
// blank cell gives `fallback`. Returns false for anything else.
bool ReadFamily(std::string_view text, SectionFamilyId fallback, SectionFamilyId& family);

// "L", "2L", "2L+", "tube" or "bar".
const char* FamilyName(SectionFamilyId family);

#endif
