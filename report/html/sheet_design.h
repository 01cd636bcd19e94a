// The design check of one bay on its page: the section properties, then
// for each design case the steps, every criterion against its limit with
// the clause, a conclusion and, for a sized case, the lighter angle that
// failed.
#ifndef BRACING_REPORT_HTML_SHEET_DESIGN_H
#define BRACING_REPORT_HTML_SHEET_DESIGN_H

#include "batch/checked_row.h"

#include <string>

void AppendSectionProperties(std::string& html, const BayDesign& design);
void AppendDesignCases(std::string& html, const BracingResults& r, const BayDesign& design);

#endif
