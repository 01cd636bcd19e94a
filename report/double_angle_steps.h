// The steps of two equal angles with the gusset between them, in a T or
// in a cross, in each design case, and their row of section properties.
#ifndef BRACING_REPORT_DOUBLE_ANGLE_STEPS_H
#define BRACING_REPORT_DOUBLE_ANGLE_STEPS_H

#include "design/section_family.h"
#include "report/case_steps.h"

// A, the radii at the gap, slenderness, strength at the end section, fillers.
void PairTensionSteps(const CaseInputs& in, std::vector<Step>& steps);
// Besides: the torsional slenderness of 7.2.2 and phi at it, the leg's
// width-to-thickness, the end section, 7.4.6 item 2.
void PairCompressionSteps(const CaseInputs& in, std::vector<Step>& steps);
// b, t, A, the in-plane radius (the T's ix, the cross's ix0), the one at
// the gap, and twice the mass GB/T 706 prints.
void PairProperties(const Section& s, const MemberRadii& radii, std::vector<Cell>& cells);

#endif
