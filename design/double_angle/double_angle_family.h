// Two equal angles back to back in a T (2L) and in a cross (2L+) as
// section families.
#ifndef BRACING_DESIGN_DOUBLE_ANGLE_DOUBLE_ANGLE_FAMILY_H
#define BRACING_DESIGN_DOUBLE_ANGLE_DOUBLE_ANGLE_FAMILY_H

#include "design/section_family.h"

const SectionFamily& DoubleAngleTFamily();
const SectionFamily& DoubleAngleCrossFamily();

#endif
