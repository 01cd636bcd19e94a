// Numbers as the sheet shows them: the one formatter the CSV uses too.
#ifndef BRACING_REPORT_REPORT_NUMBERS_H
#define BRACING_REPORT_REPORT_NUMBERS_H

#include "calc/bracing.h"
#include "ui/result_rows.h"

#include <string>

// `value` with `decimals` decimals, no padding (kShortestDecimals: as typed).
std::string Number(double value, int decimals);
// A table value as the table prints it, at most `maxDecimals` decimals.
std::string TableNumber(double value, int maxDecimals);
// A result as the dialog and the CSV show it, without the padding.
std::string ResultNumber(const ResultRow& row, const BracingResults& results);

#endif
