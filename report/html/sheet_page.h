// One accepted bay's page of the calc sheet.
#ifndef BRACING_REPORT_HTML_SHEET_PAGE_H
#define BRACING_REPORT_HTML_SHEET_PAGE_H

#include "batch/checked_row.h"

#include <string>

// The sketch, the inputs, the calculation and, with a section, the design
// check. A refused bay has no page: nothing is appended.
void AppendBayPage(std::string& html, const CheckedRow& bay);

#endif
