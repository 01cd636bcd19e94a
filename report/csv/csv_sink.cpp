#include "report/csv/csv_sink.h"

#include "batch/design_cells.h"
#include "batch/output_columns.h"
#include "format/fixed_text.h"
#include "io/csv_writer.h"
#include "messages/refusal_text.h"

void CsvSink::AppendCarried(const CsvRecord& record, std::string& line) const {
    const std::vector<bool>& dropped = *layout_.dropped;
    bool first = true;
    for (std::size_t column = 0; column < record.size(); ++column) {
        if (!dropped[column]) {
            AppendCsvField(line, record[column], first);
            first = false;
        }
    }
}

bool CsvSink::Begin(const BayLayout& layout) {
    layout_ = layout;
    std::string& line = out_.Line();
    if (layout.byteOrderMark) {
        line += "\xEF\xBB\xBF";
    }
    AppendCarried(*layout.header, line);
    for (int k = 0; k < layout.resultCount; ++k) {
        AppendColumnHeading(line, layout.results[k]->symbol, heading_);
    }
    if (layout.designCheck) {
        AppendDesignHeader(line, heading_);
    }
    AppendColumnHeading(line, kErrorColumn, heading_);
    out_.EndLine();
    return !out_.Failed();
}

bool CsvSink::Add(const CheckedRow& bay) {
    std::string& line = out_.Line();
    AppendCarried(*bay.record, line);
    const bool computed = !bay.refusal.Any();
    for (int k = 0; k < layout_.resultCount; ++k) {
        const ResultRow& result = *layout_.results[k];
        AppendCsvField(line, computed ? ToFixed(bay.results.*result.value, result.decimals).View() : "", false);
    }
    if (layout_.designCheck) {
        AppendDesignCells(line, bay.design);
    }
    error_.clear();
    AppendErrorText(error_, bay, language_);
    AppendCsvField(line, error_, false);
    out_.EndLine();
    return !out_.Failed();
}
