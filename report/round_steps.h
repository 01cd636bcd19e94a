// The steps of a seamless tube in each design case and of a round bar in
// tension, and their rows of section properties.
#ifndef BRACING_REPORT_ROUND_STEPS_H
#define BRACING_REPORT_ROUND_STEPS_H

#include "design/section_family.h"
#include "report/case_steps.h"

// A, i and the mass from D and t; slenderness, N1/A against f.
void TubeTensionSteps(const CaseInputs& in, std::vector<Step>& steps);
// Slenderness, phi of class a, D/t, 7.4.6 item 2.
void TubeCompressionSteps(const CaseInputs& in, std::vector<Step>& steps);
// A, i and the mass from d; the slenderness, for information where no
// limit applies; N1/A against f.
void BarTensionSteps(const CaseInputs& in, std::vector<Step>& steps);
// D, t (a bar: d), A, i and the mass, 0.785 A.
void RoundProperties(const Section& s, const MemberRadii& radii, std::vector<Cell>& cells);

#endif
