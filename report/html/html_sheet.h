// The calc sheet (柱间支撑计算书) of a run as one self-contained HTML
// file: title, summary, a page for every accepted bay, scope.
//
// Memory stays flat with the number of bays: summary lines go to the
// sheet as they come, pages to a spool file that Finish() copies in
// behind the summary.
#ifndef BRACING_REPORT_HTML_HTML_SHEET_H
#define BRACING_REPORT_HTML_HTML_SHEET_H

#include "report/html/html_page.h"
#include "report/report_renderer.h"

#include <cstdio>
#include <string>

class HtmlSheet : public ReportRenderer {
public:
    // `sheet` receives the sheet; `spool` must be an empty file open for
    // reading and writing. Both stay the caller's to close.
    HtmlSheet(std::FILE* sheet, std::FILE* spool) : sheet_(sheet), spool_(spool) {}
    HtmlSheet(const HtmlSheet&) = delete;
    HtmlSheet& operator=(const HtmlSheet&) = delete;

    void Begin(const TitleBlock& title) override;
    void AddSummaryRow(const SummaryRow& row) override;
    void AddPage(const BayPage& page) override;
    void EndSummary(const SummaryEnd& end) override;
    // Copies the pages in and ends the sheet; false when any write or the
    // spool's read-back failed.
    bool Finish(const TextList& scope) override;
    int ErrorNumber() const override { return errorNumber_; }

private:
    void Write(std::FILE* file);  // html_, then empties it
    void Fail();                  // keeps errno

    std::FILE* sheet_;
    std::FILE* spool_;
    std::string html_;
    RunningHead head_;
    bool failed_ = false;
    int errorNumber_ = 0;
};

#endif
