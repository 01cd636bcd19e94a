// One bay a row: finds the input columns by their header names (as
// header_names.h reads them) and turns each row into a checked bay. With
// H, B, n, T, W, A and i: the fifteen results the dialog would show. With
// a `section` column in place of A and i: the forces and lengths, then the
// design check of each case.
#ifndef BRACING_BATCH_BAY_TABLE_H
#define BRACING_BATCH_BAY_TABLE_H

#include "io/csv_reader.h"
#include "batch/design_inputs.h"
#include "batch/bay_sink.h"
#include "batch/problem.h"
#include "batch/checked_row.h"

#include "ui/input_fields.h"
#include "ui/result_rows.h"

#include <string_view>
#include <vector>

// A row as checked: the record, and the design check it points at.
struct CheckedBay {
    CheckedRow bay;
    Section given{};   // the section the row names, which design.*.section may point at
    BayDesign design;  // what bay.design points at, when it does
};

class BayTable {
public:
    // How many of the seven input columns `header` names.
    static int InputColumnsNamed(const CsvRecord& header);

    explicit BayTable(const DesignDefaults& defaults = DesignDefaults()) : defaults_(defaults) {}

    // Reads the header, which must outlive the table's use. On failure
    // returns false with what is wrong in `fault` (a column missing,
    // repeated or in another unit, or section beside A or i).
    bool ReadHeader(const CsvRecord& header, Problem& fault);

    std::size_t ColumnCount() const { return columnCount_; }
    // The columns dropped as an earlier run's output; empty when none.
    const std::vector<std::string_view>& DroppedColumns() const { return droppedNames_; }
    // Whether the header names sections: the design check.
    bool ChecksDesign() const { return design_[kSectionColumn] != kNoColumn; }
    // The design check's columns a header with A and i names, which are
    // not used; empty when none.
    const std::vector<std::string_view>& UnusedColumns() const { return unusedNames_; }

    // What the sinks need to write the rows of `header`.
    BayLayout Layout(const CsvRecord& header, bool byteOrderMark) const;

    // Fills `checked` from `row`, which has ColumnCount() fields and must
    // outlive `checked`'s use: cells, inputs, results, the design check and
    // the reasons for refusal.
    void ReadRow(const CsvRecord& row, long line, CheckedBay& checked) const;

private:
    bool FindColumns(Problem& fault);

    DesignDefaults defaults_;
    std::size_t columns_[kInputFieldCount] = {};  // kNoColumn: A and i beside sections
    DesignInputColumns design_ = {};
    std::size_t bayColumn_ = kNoColumn;  // the bay's name
    std::size_t columnCount_ = 0;
    const ResultRow* results_[kResultRowCount] = {};  // the dialog's results written
    int resultCount_ = 0;
    std::vector<const char*> names_;  // each column's own name; null: none of the inputs
    std::vector<bool> dropped_;
    std::vector<std::string_view> droppedNames_;
    std::vector<std::string_view> unusedNames_;
};

#endif
