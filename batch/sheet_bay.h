// What the calc sheet reports of one bay: plain data the run fills in.
#ifndef BRACING_BATCH_SHEET_BAY_H
#define BRACING_BATCH_SHEET_BAY_H

#include "batch/row_refusal.h"
#include "calc/bracing.h"
#include "design/angle_check.h"
#include "design/angle_sections.h"
#include "design/steel_grades.h"
#include "io/csv_reader.h"
#include "ui/input_fields.h"

#include <string_view>

// One design case: the angle checked and, for a sized case, the angle the
// sizing walk tried just before it.
template <class Check>
struct SheetCase {
    const AngleSection* section = nullptr;  // given or sized; null: no angle passes
    Check check{};                          // of `section`
    bool sized = false;
    // Sized: the angle walked before `section` (null when `section` came
    // first); when none passes, the last angle walked.
    const AngleSection* before = nullptr;
    Check beforeCheck{};
};

struct SheetDesign {
    SteelGrade grade = SteelGrade::Q235;
    SlendernessLimits limits{};
    SheetCase<TensionCheck> tension;
    SheetCase<CompressionCheck> compression;
};

// A row as checked: filled in one place (BayTable::ReadRow), and written
// by each sink in its own form.
struct SheetBay {
    const CsvRecord* record = nullptr;  // the row as read
    long line = 0;          // of the input
    std::string_view name;  // the bay column; empty when there is none
    // The cells of H, B, n, T, W, A and i as typed (kInputFields' order);
    // empty where the input has no such column.
    std::string_view cells[kInputFieldCount];
    RowRefusal refusal;  // none: accepted
    BracingInputs inputs;
    BracingResults results;
    const SheetDesign* design = nullptr;  // null: the input names A and i, not sections
};

#endif
