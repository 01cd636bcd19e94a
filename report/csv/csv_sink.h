// The CSV output as a sink: each row as it came (less an earlier run's
// columns), then the results, the design cells and the error column, in
// words of the chosen language, the output's own columns headed by their
// names or in Chinese. Written into one reused line, no string a
// field.
#ifndef BRACING_REPORT_CSV_CSV_SINK_H
#define BRACING_REPORT_CSV_CSV_SINK_H

#include "batch/bay_sink.h"
#include "batch/output_columns.h"
#include "io/text_output.h"
#include "messages/messages.h"

#include <string>

class CsvSink : public BaySink {
public:
    explicit CsvSink(TextOutput& out, Language language = Language::English,
                     ColumnHeading heading = ColumnHeading::Names)
        : out_(out), language_(language), heading_(heading) {}

    bool Begin(const BayLayout& layout) override;
    bool Add(const CheckedRow& bay) override;
    void LeaveOut(const Problem&) override {}  // standard error says it
    bool Finish() override { return out_.Flush(); }
    int ErrorNumber() const override { return out_.ErrorNumber(); }

private:
    void AppendCarried(const CsvRecord& record, std::string& line) const;

    TextOutput& out_;
    Language language_;
    ColumnHeading heading_;
    BayLayout layout_;
    std::string error_;  // the error column, reused
};

#endif
