#include "cli/sheet_formats.h"

void SheetFormats::Add(ReportRenderer& renderer, const std::string& name) { formats_.push_back({&renderer, name}); }

void SheetFormats::Begin(const TitleBlock& title) {
    for (const Format& format : formats_) {
        format.renderer->Begin(title);
    }
}

void SheetFormats::AddSummaryRow(const SummaryRow& row) {
    for (const Format& format : formats_) {
        format.renderer->AddSummaryRow(row);
    }
}

void SheetFormats::AddPage(const BayPage& page) {
    for (const Format& format : formats_) {
        format.renderer->AddPage(page);
    }
}

void SheetFormats::EndSummary(const SummaryEnd& end) {
    for (const Format& format : formats_) {
        format.renderer->EndSummary(end);
    }
}

bool SheetFormats::Finish(const TextList& scope) {
    for (const Format& format : formats_) {
        if (!format.renderer->Finish(scope) && failed_ == nullptr) {
            failed_ = &format;
            failedName_ = format.name;
        }
    }
    return failed_ == nullptr;
}

int SheetFormats::ErrorNumber() const { return failed_ == nullptr ? 0 : failed_->renderer->ErrorNumber(); }
