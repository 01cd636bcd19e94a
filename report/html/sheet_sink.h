// The HTML calc sheet as the checker's sink: the sheet is begun once the
// header says what kind of run it is.
#ifndef BRACING_REPORT_HTML_SHEET_SINK_H
#define BRACING_REPORT_HTML_SHEET_SINK_H

#include "batch/bay_sink.h"
#include "messages/problem_text.h"
#include "report/html/sheet_writer.h"

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>

class SheetSink : public BaySink {
public:
    // `sheet` and the empty scratch file `spool` stay the caller's to close;
    // the texts must outlive the sink.
    SheetSink(std::FILE* sheet, std::FILE* spool, const SheetHeading& heading)
        : file_(sheet), spool_(spool), heading_(heading) {}

    bool Begin(const BayLayout& layout) override {
        heading_.designCheck = layout.designCheck;
        writer_.emplace(file_, spool_, heading_);
        return true;
    }
    bool Add(const CheckedRow& bay) override {
        writer_->Add(bay);
        return true;  // a failure shows at Finish
    }
    void LeaveOut(const Problem& problem) override {
        writer_->LeaveOut(problem.line, problem.toLine, ProblemText(problem));
    }
    bool Finish() override { return writer_->Finish(); }
    int ErrorNumber() const override { return writer_->ErrorNumber(); }

private:
    std::FILE* file_;
    std::FILE* spool_;
    SheetHeading heading_;
    std::optional<SheetWriter> writer_;
};

#endif
