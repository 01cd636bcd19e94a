// One input row as checked: what the CSV sink and the calc sheet are given.
#ifndef BRACING_BATCH_CHECKED_ROW_H
#define BRACING_BATCH_CHECKED_ROW_H

#include "batch/row_refusal.h"
#include "calc/bracing.h"
#include "design/bay_design.h"
#include "io/csv_reader.h"
#include "ui/input_fields.h"

#include <string_view>

// Filled in one place (BayTable::ReadRow), and written by each sink in its own form.
struct CheckedRow {
    const CsvRecord* record = nullptr;  // the row as read
    long line = 0;          // of the input
    std::string_view name;  // the bay column; empty when there is none
    // The cells of H, B, n, T, W, A and i as typed (kInputFields' order);
    // empty where the input has no such column.
    std::string_view cells[kInputFieldCount];
    RowRefusal refusal;  // none: accepted
    BracingInputs inputs;
    BracingResults results;
    const BayDesign* design = nullptr;  // null: the input names A and i, not sections
};

#endif
