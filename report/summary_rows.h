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

// The output columns a summary line shows after the bay's name, H and B,
// headed as the CSV's Chinese header heads them: each case's section and
// ratio, and the design adopted; or, without sections, the dialog's N1,
// f1, u and f2.
constexpr int kDesignSummaryColumnCount = 8;
extern const char* const kDesignSummaryColumns[kDesignSummaryColumnCount];
constexpr int kDialogSummaryColumnCount = 4;
extern const char* const kDialogSummaryColumns[kDialogSummaryColumnCount];

// The bay's name, or "第 N 行" where the input has no bay column.
Text BayTitle(const CheckedRow& bay);

// `designCheck`: the run names sections, so the line has the design's columns.
void BuildSummaryRow(const CheckedRow& bay, bool designCheck, SummaryRow& row);
// Input lines `fromLine` to `toLine` not read (a row of the wrong width,
// too long, or after a quote never closed), with the reason standard error
// gives.
void BuildLeftOutRow(long fromLine, long toLine, std::string_view reason, bool designCheck, SummaryRow& row);
// `counts` by BayOutcome.
SummaryEnd BuildSummaryEnd(const long (&counts)[kBayOutcomeCount], long unreadLines, bool designCheck);

#endif
