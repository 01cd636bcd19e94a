// The calc sheet as the checker's sink: each bay is built into the model,
// a summary line and a page at a time, and handed to a renderer.
#ifndef BRACING_REPORT_REPORT_SINK_H
#define BRACING_REPORT_REPORT_SINK_H

#include "batch/bay_sink.h"
#include "report/report_renderer.h"
#include "report/summary_rows.h"
#include "report/title_block.h"

class ReportSink : public BaySink {
public:
    // The renderer and the heading's texts must outlive the sink.
    ReportSink(ReportRenderer& renderer, const ReportHeading& heading)
        : renderer_(renderer), heading_(heading) {}

    bool Begin(const BayLayout& layout) override;
    bool Add(const CheckedRow& bay) override;  // a failure shows at Finish
    void LeaveOut(const Problem& problem) override;
    bool Finish() override;
    int ErrorNumber() const override { return renderer_.ErrorNumber(); }

private:
    ReportRenderer& renderer_;
    ReportHeading heading_;
    bool designCheck_ = false;
    long counts_[kBayOutcomeCount] = {};  // by BayOutcome
    long unreadLines_ = 0;
    // Reused for every bay: memory stays flat with their number.
    SummaryRow row_;
    BayPage page_;
};

#endif
