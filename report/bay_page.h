// One accepted bay's page: the sketch, the inputs, the calculation and,
// with a section, the design check.
#ifndef BRACING_REPORT_BAY_PAGE_H
#define BRACING_REPORT_BAY_PAGE_H

#include "batch/checked_row.h"
#include "report/report_model.h"

// Fills `page` anew, reusing its storage. False for a refused bay: it has
// no page.
bool BuildBayPage(const CheckedRow& bay, BayPage& page);

#endif
