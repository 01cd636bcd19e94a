// One bay a row: finds the input columns by their header names and turns
// each row into its result texts. With H, B, n, T, W, A and i: the
// fifteen results the dialog would show. With a `section` column in place
// of A and i: the forces and lengths, then the design check of each case.
#ifndef BRACING_BATCH_BAY_TABLE_H
#define BRACING_BATCH_BAY_TABLE_H

#include "io/csv_reader.h"
#include "batch/design_inputs.h"
#include "batch/row_refusal.h"
#include "batch/checked_row.h"

#include "ui/input_fields.h"
#include "ui/result_rows.h"

#include <string>
#include <vector>

// The text a bay the calculation refuses carries in its error column.
extern const char* const kRejectedText;

// A row as checked, as the calc sheet reports it. BayTable fills in the
// cells, inputs, results, design check and refusal; the line and the bay's
// name are the caller's.
struct CheckedBay {
    CheckedRow bay;
    BayDesign design;  // what bay.design points at, when it does
};

class BayTable {
public:
    // How many of the seven input columns `header` names.
    static int InputColumnsNamed(const CsvRecord& header);

    explicit BayTable(const DesignDefaults& defaults = DesignDefaults()) : defaults_(defaults) {}

    // Reads the header. On failure returns false and says why in `error`
    // (a column missing or repeated, or section beside A or i).
    bool ReadHeader(const CsvRecord& header, std::string& error);

    std::size_t ColumnCount() const { return columnCount_; }
    // The columns dropped as an earlier run's output, e.g. "N1, error";
    // empty when there are none.
    const std::string& DroppedColumns() const { return droppedNames_; }
    // Whether the header names sections: the design check.
    bool ChecksDesign() const { return design_[kSectionColumn] != kNoColumn; }
    // The design check's columns a header with A and i names, which are
    // not used, e.g. "grade, lambda_c"; empty when there are none.
    const std::string& UnusedColumns() const { return unusedNames_; }

    // The output header: the input columns as they came, the results, error.
    void AppendHeader(const CsvRecord& header, std::string& line) const;

    // The output row for `row`, which has ColumnCount() fields. The reasons
    // it is refused for, if any, are added to `refusal` (which must outlive
    // `checked`'s use).
    void AppendRow(const CsvRecord& row, std::string& line, RowRefusal& refusal,
                   CheckedBay& checked) const;

private:
    bool FindColumns(const CsvRecord& header, std::string& error);
    void AppendInputCells(const CsvRecord& row, std::string& line) const;

    DesignDefaults defaults_;
    std::size_t columns_[kInputFieldCount] = {};  // kNoColumn: A and i beside sections
    DesignInputColumns design_ = {};
    std::size_t columnCount_ = 0;
    const ResultRow* results_[kResultRowCount] = {};  // the dialog's results written
    int resultCount_ = 0;
    std::vector<bool> dropped_;
    std::string droppedNames_;
    std::string unusedNames_;
};

#endif
