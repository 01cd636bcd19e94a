#include "bay_table.h"

#include "csv_writer.h"

const char* const kRejectedText = "参数不能为负数和零";

namespace {

// Header names may carry spaces a spreadsheet put around them.
std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::string();
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

const char* TrimmedText(const ResultText& text) {
    const char* c = text.chars;
    while (*c == ' ') {
        ++c;
    }
    return c;
}

bool BayTable::ReadHeader(const CsvRecord& header, std::string& error) {
    columnCount_ = header.size();
    for (int k = 0; k < kInputFieldCount; ++k) {
        const std::string symbol = kInputFields[k].symbol;
        bool found = false;
        for (std::size_t column = 0; column < header.size(); ++column) {
            if (Trimmed(header[column]) != symbol) {
                continue;
            }
            if (found) {
                error = "column " + symbol + " appears twice (columns " +
                        std::to_string(columns_[k] + 1) + " and " + std::to_string(column + 1) +
                        ")";
                return false;
            }
            columns_[k] = column;
            found = true;
        }
        if (!found) {
            error = "no column named " + symbol +
                    " (the header must name H, B, n, T, W, A and i; names are case-sensitive)";
            return false;
        }
    }
    return true;
}

void BayTable::AppendHeader(const CsvRecord& header, std::string& line) const {
    bool first = true;
    for (const std::string& name : header) {
        AppendCsvField(line, name, first);
        first = false;
    }
    for (const ResultRow& row : kResultRows) {
        AppendCsvField(line, row.symbol, false);
    }
    AppendCsvField(line, "error", false);
}

bool BayTable::AppendRow(const CsvRecord& row, std::string& line) const {
    if (row.size() != columnCount_) {
        return false;
    }
    BracingInputs inputs;
    for (int k = 0; k < kInputFieldCount; ++k) {
        StoreFieldText(inputs, kInputFields[k].id, row[columns_[k]].c_str());
    }
    bool first = true;
    for (const std::string& field : row) {
        AppendCsvField(line, field, first);
        first = false;
    }
    BracingResults results;
    const bool accepted = ComputeBracing(inputs, results);
    for (const ResultRow& result : kResultRows) {
        AppendCsvField(line, accepted ? TrimmedText(FormatResultRow(result, results)) : "", false);
    }
    AppendCsvField(line, accepted ? "" : kRejectedText, false);
    return true;
}
