// The calc sheet in every format asked for, from one model: each part is
// handed to each renderer in turn. A failure is said of the file it hit.
#ifndef BRACING_CLI_SHEET_FORMATS_H
#define BRACING_CLI_SHEET_FORMATS_H

#include "report/report_renderer.h"

#include <string>
#include <vector>

class SheetFormats : public ReportRenderer {
public:
    // `failedName` gets the name of the sheet whose write failed, before
    // Finish returns false: it is the name standard error gives.
    explicit SheetFormats(std::string& failedName) : failedName_(failedName) {}

    // The renderer must outlive this; `name` is its file's.
    void Add(ReportRenderer& renderer, const std::string& name);

    void Begin(const TitleBlock& title) override;
    void AddSummaryRow(const SummaryRow& row) override;
    void AddPage(const BayPage& page) override;
    void EndSummary(const SummaryEnd& end) override;
    // Finishes every one, even after a failure.
    bool Finish(const TextList& scope) override;
    // Of the first that failed.
    int ErrorNumber() const override;

private:
    struct Format {
        ReportRenderer* renderer;
        std::string name;
    };
    std::vector<Format> formats_;
    std::string& failedName_;
    const Format* failed_ = nullptr;
};

#endif
