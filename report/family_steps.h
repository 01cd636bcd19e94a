// How the sheet works out each section family, found by the family's id:
// the steps of each design case and the section's property cells.
#ifndef BRACING_REPORT_FAMILY_STEPS_H
#define BRACING_REPORT_FAMILY_STEPS_H

#include "design/section_family.h"
#include "report/case_steps.h"

struct FamilySteps {
    SectionFamilyId family;
    void (*tension)(const CaseInputs& in, std::vector<Step>& steps);
    // Null where the family takes no compression (a round bar).
    void (*compression)(const CaseInputs& in, std::vector<Step>& steps);
    // The cells between the designation and the source: dimensions, A,
    // the radii the member is designed with, the mass.
    void (*properties)(const Section& s, const MemberRadii& radii, std::vector<Cell>& cells);
    bool gusset;  // the gusset thickness enters the design (between two angles)
};

const FamilySteps& StepsOf(SectionFamilyId family);

#endif
