// The design check of one bay on its page: the section properties, the
// adopted design, then for each design case, the adopted one first, the
// steps, every criterion against its limit with the clause, a conclusion
// and, for a sized case, the lighter section that failed.
#ifndef BRACING_REPORT_DESIGN_CASES_H
#define BRACING_REPORT_DESIGN_CASES_H

#include "batch/checked_row.h"
#include "report/report_model.h"

// The tension case's section, then the compression case's.
void BuildSectionProperties(const BayDesign& design, PropertyRow (&rows)[2]);
// The line that leads a bay's design: what is adopted, its mass and ratio.
Paragraph AdoptedDesign(const BayDesign& design);
void BuildDesignCases(const BracingResults& r, const BayDesign& design, CaseReport (&cases)[2]);

// The method as the sheet names it: 按拉杆设计, 按压杆设计 or 自动 (…).
const char* MethodText(DesignMethod method);

#endif
