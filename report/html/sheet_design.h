// The design check of one bay on its page: the section properties, the
// adopted design, then for each design case, the adopted one first, the
// steps, every criterion against its limit with the clause, a conclusion
// and, for a sized case, the lighter angle that failed.
#ifndef BRACING_REPORT_HTML_SHEET_DESIGN_H
#define BRACING_REPORT_HTML_SHEET_DESIGN_H

#include "batch/checked_row.h"

#include <string>

void AppendSectionProperties(std::string& html, const BayDesign& design);
void AppendDesignCases(std::string& html, const BracingResults& r, const BayDesign& design);

// The method as the sheet names it: 按拉杆设计, 按压杆设计 or 自动 (…).
const char* MethodText(DesignMethod method);

// The line that leads a bay's design: what is adopted, its mass and ratio.
void AppendAdoptedDesign(std::string& html, const BayDesign& design);

#endif
