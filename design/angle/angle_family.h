// Single equal angles (GB/T 706-2016) as a section family.
#ifndef BRACING_DESIGN_ANGLE_ANGLE_FAMILY_H
#define BRACING_DESIGN_ANGLE_ANGLE_FAMILY_H

#include "design/section_family.h"

const SectionFamily& EqualAngleFamily();

#endif
