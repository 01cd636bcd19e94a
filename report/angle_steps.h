// The steps of a single equal angle connected by one leg in each design
// case, and its row of section properties.
#ifndef BRACING_REPORT_ANGLE_STEPS_H
#define BRACING_REPORT_ANGLE_STEPS_H

#include "design/section_family.h"
#include "report/case_steps.h"

void AngleTensionSteps(const CaseInputs& in, std::vector<Step>& steps);
// With the equivalent slenderness of 7.6.2 and the reductions of 7.6.1 and 7.6.3.
void AngleCompressionSteps(const CaseInputs& in, std::vector<Step>& steps);
// b, t, A, ix, iy0 and the mass as GB/T 706 prints it.
void AngleProperties(const Section& s, const MemberRadii& radii, std::vector<Cell>& cells);

#endif
