#include "bay_table.h"

#include "cell_number.h"
#include "cell_space.h"
#include "csv_writer.h"
#include "output_columns.h"

#include "ui/input_fields.h"

#include <algorithm>
#include <cmath>
#include <iterator>

const char* const kRejectedText = "参数不能为负数和零";

const char* TrimmedText(const ResultText& text) {
    const char* c = text.chars;
    while (*c == ' ') {
        ++c;
    }
    return c;
}

int BayTable::InputColumnsNamed(const CsvRecord& header) {
    return static_cast<int>(std::count_if(
        std::begin(kInputFields), std::end(kInputFields), [&header](const InputField& field) {
            return std::any_of(header.begin(), header.end(), [&field](const std::string& name) {
                return TrimCellSpace(name) == field.symbol;
            });
        }));
}

bool BayTable::ReadHeader(const CsvRecord& header, std::string& error) {
    columnCount_ = header.size();
    dropped_.assign(header.size(), false);
    droppedNames_.clear();
    for (std::size_t column = 0; column < header.size(); ++column) {
        const std::string_view name = TrimCellSpace(header[column]);
        if (IsOutputColumnName(name)) {
            dropped_[column] = true;
            droppedNames_ += (droppedNames_.empty() ? "" : ", ") + std::string(name);
        }
    }
    for (int k = 0; k < kInputFieldCount; ++k) {
        const std::string symbol = kInputFields[k].symbol;
        bool found = false;
        for (std::size_t column = 0; column < header.size(); ++column) {
            if (TrimCellSpace(header[column]) != symbol) {
                continue;
            }
            if (found) {
                error = "column " + symbol + " appears twice (columns " +
                        std::to_string(columns_[k] + 1) + " and " + std::to_string(column + 1) + ")";
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
    for (std::size_t column = 0; column < header.size(); ++column) {
        if (!dropped_[column]) {
            AppendCsvField(line, header[column], first);
            first = false;
        }
    }
    for (const ResultRow& row : kResultRows) {
        AppendCsvField(line, row.symbol, false);
    }
    AppendCsvField(line, kErrorColumn, false);
}

void BayTable::AppendRow(const CsvRecord& row, std::string& line, RowRefusal& refusal) const {
    BracingInputs inputs;
    for (int k = 0; k < kInputFieldCount; ++k) {
        const std::string& cell = row[columns_[k]];
        const CellNumber number = ReadCellNumber(cell);
        if (number.status == CellStatus::Number) {
            StoreFieldValue(inputs, kInputFields[k].id, number.value);
        } else {
            refusal.Add(CellRefusalText(kInputFields[k].symbol, cell, number.status));
        }
    }
    bool first = true;
    for (std::size_t column = 0; column < row.size(); ++column) {
        if (!dropped_[column]) {
            AppendCsvField(line, row[column], first);
            first = false;
        }
    }
    BracingResults results;
    bool accepted = !refusal.Refused() && ComputeBracing(inputs, results);
    for (const ResultRow& result : kResultRows) {
        if (accepted && !std::isfinite(results.*(result.value))) {
            refusal.Add("a result is out of range");
            accepted = false;
        }
    }
    for (const ResultRow& result : kResultRows) {
        AppendCsvField(line, accepted ? TrimmedText(FormatResultRow(result, results)) : "", false);
    }
    const char* calculationSays = accepted ? "" : kRejectedText;
    AppendCsvField(line, refusal.Refused() ? refusal.Text().c_str() : calculationSays, false);
}
