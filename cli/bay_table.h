// One bay a row: finds the seven input columns by their header names and
// turns each row into the fifteen result texts the dialog would show.
#ifndef BRACING_CLI_BAY_TABLE_H
#define BRACING_CLI_BAY_TABLE_H

#include "csv_reader.h"
#include "row_refusal.h"

#include "ui/input_fields.h"

#include "ui/result_rows.h"

#include <string>
#include <vector>

// The text a bay the calculation refuses carries in its error column.
extern const char* const kRejectedText;

class BayTable {
public:
    // How many of the seven input columns `header` names.
    static int InputColumnsNamed(const CsvRecord& header);

    // Reads the header. On failure returns false and says why in `error`
    // (a missing or repeated input column).
    bool ReadHeader(const CsvRecord& header, std::string& error);

    std::size_t ColumnCount() const { return columnCount_; }
    // The columns dropped as an earlier run's output, e.g. "N1, error";
    // empty when there are none.
    const std::string& DroppedColumns() const { return droppedNames_; }

    // The output header: the input columns as they came, the results, error.
    void AppendHeader(const CsvRecord& header, std::string& line) const;

    // The output row for `row`, which has ColumnCount() fields. The reasons
    // it is refused for, if any, are added to `refusal`.
    void AppendRow(const CsvRecord& row, std::string& line, RowRefusal& refusal) const;

private:
    std::size_t columns_[kInputFieldCount] = {};
    std::size_t columnCount_ = 0;
    std::vector<bool> dropped_;
    std::string droppedNames_;
};

// A result text as the batch output carries it: without the padding.
const char* TrimmedText(const ResultText& text);

#endif
