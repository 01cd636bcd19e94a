// The summary at the front of the sheet: a line for every row written,
// refused ones included, a line for input lines not read, and the count.
#ifndef BRACING_REPORT_SUMMARY_ROWS_H
#define BRACING_REPORT_SUMMARY_ROWS_H

#include "batch/checked_row.h"
#include "report/report_model.h"

#include <string_view>

enum class BayOutcome {
    Refused,   // no results: the error text instead
    Computed,  // A and i typed: results, no verdict
    Passed,    // a design adopted: ok
    Failed,    // none adopted: NG
};
constexpr int kBayOutcomeCount = 4;

BayOutcome Outcome(const CheckedRow& bay);

// The bay's name, or "第 N 行" where the input has no bay column.
Text BayTitle(const CheckedRow& bay);

void BuildSummaryRow(const CheckedRow& bay, SummaryRow& row);
// Input lines `fromLine` to `toLine` not read (a row of the wrong width,
// too long, or after a quote never closed), with the reason standard error
// gives.
void BuildLeftOutRow(long fromLine, long toLine, std::string_view reason, SummaryRow& row);
// `counts` by BayOutcome.
SummaryEnd BuildSummaryEnd(const long (&counts)[kBayOutcomeCount], long unreadLines, bool designCheck);

#endif
