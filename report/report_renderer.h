// What prints a sheet: called in the order below, with the model's parts
// as the builder makes them. A renderer prints what it is given and
// decides nothing; it may discard each part once printed.
#ifndef BRACING_REPORT_REPORT_RENDERER_H
#define BRACING_REPORT_REPORT_RENDERER_H

#include "report/report_model.h"

class ReportRenderer {
public:
    virtual ~ReportRenderer() = default;
    // Once, first.
    virtual void Begin(const TitleBlock& title) = 0;
    // Each summary line, and each accepted bay's page after its line.
    virtual void AddSummaryRow(const SummaryRow& row) = 0;
    virtual void AddPage(const BayPage& page) = 0;
    // After the last line: the count.
    virtual void EndSummary(const SummaryEnd& end) = 0;
    // Last, with the statement of scope. False when any write failed.
    virtual bool Finish(const TextList& scope) = 0;
    // The errno of the first failure.
    virtual int ErrorNumber() const = 0;
};

#endif
