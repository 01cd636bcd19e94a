// The summary table at the front of the sheet: one line a bay.
#ifndef BRACING_REPORT_HTML_SHEET_SUMMARY_H
#define BRACING_REPORT_HTML_SHEET_SUMMARY_H

#include "batch/checked_row.h"

#include <string>
#include <string_view>

enum class BayOutcome {
    Refused,   // no results: the error text instead
    Computed,  // A and i typed: results, no verdict
    Passed,    // a design adopted: ok
    Failed,    // none adopted: NG
};

BayOutcome Outcome(const CheckedRow& bay);

// The bay's name, or "第 N 行" where the input has no bay column; escaped.
std::string BayTitle(const CheckedRow& bay);

// The table's opening and head; the columns depend on whether the run
// checks sections.
void AppendSummaryHead(std::string& html, bool designCheck);
void AppendSummaryRow(std::string& html, const CheckedRow& bay, bool designCheck);
// Input lines not read (a row of the wrong width, too long, or after a
// quote never closed), with the reason standard error gives.
void AppendLeftOutRow(std::string& html, long fromLine, long toLine, std::string_view reason,
                      bool designCheck);
void AppendSummaryEnd(std::string& html);

#endif
