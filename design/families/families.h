// The section families the program knows, by id: the one place that
// names each family's folder.
#ifndef BRACING_DESIGN_FAMILIES_FAMILIES_H
#define BRACING_DESIGN_FAMILIES_FAMILIES_H

#include "design/section.h"
#include "design/section_family.h"

const SectionFamily& FamilyOf(SectionFamilyId id);

// Every family, in the order the section list prints them.
extern const SectionFamilyId kSectionFamilies[kSectionFamilyCount];

#endif
