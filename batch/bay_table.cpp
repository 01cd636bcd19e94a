#include "batch/bay_table.h"

#include "design/families/families.h"
#include "design/bay_design.h"
#include "batch/cell_number.h"
#include "io/cell_space.h"
#include "io/csv_writer.h"
#include "batch/design_cells.h"
#include "batch/output_columns.h"
#include "format/fixed_text.h"

#include <algorithm>
#include <cmath>
#include <iterator>

const char* const kRejectedText = "参数不能为负数和零";

namespace {

constexpr int kA = 5;  // A and i in kInputFields: the section gives them
constexpr int kI = 6;

const char* const kNamesNeeded =
    " (the header must name H, B, n, T, W and either A and i or section; names are case-sensitive)";

// The column named `name`, kNoColumn when none; false when two are.
bool FindColumn(const CsvRecord& header, const std::string& name, std::size_t& found,
                std::string& error) {
    found = kNoColumn;
    for (std::size_t column = 0; column < header.size(); ++column) {
        if (TrimCellSpace(header[column]) != name) {
            continue;
        }
        if (found != kNoColumn) {
            error = "column " + name + " appears twice (columns " + std::to_string(found + 1) + " and " +
                    std::to_string(column + 1) + ")";
            return false;
        }
        found = column;
    }
    return true;
}

}  // namespace

int BayTable::InputColumnsNamed(const CsvRecord& header) {
    return static_cast<int>(std::count_if(
        std::begin(kInputFields), std::end(kInputFields), [&header](const InputField& field) {
            return std::any_of(header.begin(), header.end(), [&field](const std::string& name) {
                return TrimCellSpace(name) == field.symbol;
            });
        }));
}

bool BayTable::FindColumns(const CsvRecord& header, std::string& error) {
    for (int k = 0; k < kInputFieldCount; ++k) {
        if (!FindColumn(header, kInputFields[k].symbol, columns_[k], error)) {
            return false;
        }
    }
    for (int k = 0; k < kDesignInputCount; ++k) {
        if (!FindColumn(header, kDesignInputNames[k], design_[k], error)) {
            return false;
        }
    }
    if (ChecksDesign()) {
        const int trial[] = {kA, kI};
        const int* end = std::end(trial);
        const int* given =
            std::find_if(std::begin(trial), end, [this](int k) { return columns_[k] != kNoColumn; });
        if (given != end) {
            error = std::string("columns section and ") + kInputFields[*given].symbol +
                    " cannot go together: the section gives A and i; remove one of them";
            return false;
        }
    }
    for (int k = 0; k < kInputFieldCount; ++k) {
        const bool needed = !ChecksDesign() || (k != kA && k != kI);
        if (needed && columns_[k] == kNoColumn) {
            error = std::string("no column named ") + kInputFields[k].symbol + kNamesNeeded;
            return false;
        }
    }
    return true;
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
    if (!FindColumns(header, error)) {
        return false;
    }
    unusedNames_.clear();
    for (int k = 0; k < kDesignInputCount && !ChecksDesign(); ++k) {
        if (design_[k] != kNoColumn) {
            unusedNames_ += (unusedNames_.empty() ? "" : ", ") + std::string(kDesignInputNames[k]);
        }
    }
    resultCount_ = 0;
    for (const ResultRow& row : kResultRows) {
        if (!ChecksDesign() || ShownWithDesignCheck(row)) {
            results_[resultCount_++] = &row;
        }
    }
    return true;
}

void BayTable::AppendInputCells(const CsvRecord& row, std::string& line) const {
    bool first = true;
    for (std::size_t column = 0; column < row.size(); ++column) {
        if (!dropped_[column]) {
            AppendCsvField(line, row[column], first);
            first = false;
        }
    }
}

void BayTable::AppendHeader(const CsvRecord& header, std::string& line) const {
    AppendInputCells(header, line);
    for (int k = 0; k < resultCount_; ++k) {
        AppendCsvField(line, results_[k]->symbol, false);
    }
    if (ChecksDesign()) {
        AppendDesignHeader(line);
    }
    AppendCsvField(line, kErrorColumn, false);
}

void BayTable::AppendRow(const CsvRecord& row, std::string& line, RowRefusal& refusal,
                         CheckedBay& checked) const {
    CheckedRow& bay = checked.bay;
    bay.inputs = BracingInputs();
    bay.design = nullptr;
    for (int k = 0; k < kInputFieldCount; ++k) {
        if (columns_[k] == kNoColumn) {
            bay.cells[k] = std::string_view();
            continue;
        }
        const std::string& cell = row[columns_[k]];
        bay.cells[k] = cell;
        const CellNumber number = ReadCellNumber(cell);
        if (number.status == CellStatus::Number) {
            StoreFieldValue(bay.inputs, kInputFields[k].id, number.value);
        } else {
            refusal.Add(CellRefusalText(kInputFields[k].symbol, cell, number.status));
        }
    }
    DesignInputs design{};
    if (ChecksDesign()) {
        design = ReadDesignInputs(row, design_, defaults_, bay.inputs.T, refusal);
    }
    AppendInputCells(row, line);

    // The design takes wind and crane braking as acting together, either way.
    bool accepted = !refusal.Refused() && (ChecksDesign()
                                               ? ComputeDesignForces(bay.inputs, bay.results)
                                               : ComputeBracing(bay.inputs, bay.results));
    for (int k = 0; k < resultCount_; ++k) {
        if (accepted && !std::isfinite(bay.results.*(results_[k]->value))) {
            refusal.Add("a result is out of range");
            accepted = false;
        }
    }
    if (accepted && ChecksDesign()) {
        checked.design = DesignBay(bay.results, design.request, design.section,
                                   FamilyOf(SectionFamilyId::EqualAngle), defaults_.minimum);
        if (DesignOutOfRange(checked.design)) {
            refusal.Add("a result is out of range");
            accepted = false;
        } else {
            bay.design = &checked.design;
        }
    }
    for (int k = 0; k < resultCount_; ++k) {
        const ResultRow& result = *results_[k];
        AppendCsvField(line, accepted ? ToFixed(bay.results.*result.value, result.decimals).View() : "",
                       false);
    }
    if (ChecksDesign()) {
        AppendDesignCells(line, bay.design);
    }
    std::string error;
    if (refusal.Refused()) {
        bay.refusal = refusal.Text();
    } else if (!accepted) {
        bay.refusal = kRejectedText;
    } else {
        bay.refusal = std::string_view();
        if (bay.design != nullptr) {
            error = NoAngleText(*bay.design);
        }
    }
    AppendCsvField(line, bay.refusal.empty() ? error : std::string(bay.refusal), false);
}
