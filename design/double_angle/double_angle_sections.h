// Two equal angles of GB/T 706-2016 as one member, back to back in a T
// (2L) or in a cross (2L+): each size's section built once from the
// single angle's, the member's radii at a gusset gap.
#ifndef BRACING_DESIGN_DOUBLE_ANGLE_DOUBLE_ANGLE_SECTIONS_H
#define BRACING_DESIGN_DOUBLE_ANGLE_DOUBLE_ANGLE_SECTIONS_H

#include "design/section.h"
#include "design/listed_sections.h"
#include "design/section_family.h"

constexpr int kDoubleAngleCount = 115;
using DoubleAngleTable = ListedSections<kDoubleAngleCount>;

const DoubleAngleTable& DoubleAnglesT();
const DoubleAngleTable& DoubleAnglesCross();

// The pair's section of b x t in `family`; false when GB/T 706 has no such angle.
bool MakeDoubleAngle(SectionFamilyId family, double b_mm, double t_mm, Section& out);

// About an axis parallel to a leg at the pair's centre, the gusset of
// `gusset_mm` between the backs: sqrt(ix1^2 + (z0 + g/2)^2), cm.
double GapRadius(const Section& s, double gusset_mm);

#endif
