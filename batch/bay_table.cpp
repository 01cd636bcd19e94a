#include "batch/bay_table.h"

#include "design/section_catalogue.h"

#include "design/families/families.h"
#include "design/bay_design.h"
#include "batch/cell_number.h"
#include "io/cell_space.h"
#include "batch/design_cells.h"
#include "batch/header_names.h"
#include "batch/output_columns.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>

namespace {

constexpr int kA = 5;  // A and i in kInputFields: the section gives them
constexpr int kI = 6;

// The column whose header names `name`, kNoColumn when none; false when
// two do.
bool FindColumn(const std::vector<const char*>& names, const char* name, std::size_t& found,
                Problem& fault) {
    found = kNoColumn;
    for (std::size_t column = 0; column < names.size(); ++column) {
        if (names[column] == nullptr || std::strcmp(names[column], name) != 0) {
            continue;
        }
        if (found != kNoColumn) {
            fault.code = ProblemCode::ColumnTwice;
            fault.column = name;
            fault.count = static_cast<long>(found + 1);
            fault.of = static_cast<long>(column + 1);
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
                const char* column = ReadHeaderName(name).column;
                return column != nullptr && std::strcmp(column, field.symbol) == 0;
            });
        }));
}

bool BayTable::FindColumns(Problem& fault) {
    for (int k = 0; k < kInputFieldCount; ++k) {
        if (!FindColumn(names_, kInputFields[k].symbol, columns_[k], fault)) {
            return false;
        }
    }
    for (int k = 0; k < kDesignInputCount; ++k) {
        if (!FindColumn(names_, kDesignInputNames[k], design_[k], fault)) {
            return false;
        }
    }
    if (ChecksDesign()) {
        const int trial[] = {kA, kI};
        const int* end = std::end(trial);
        const int* given =
            std::find_if(std::begin(trial), end, [this](int k) { return columns_[k] != kNoColumn; });
        if (given != end) {
            fault.code = ProblemCode::SectionBeside;
            fault.column = kInputFields[*given].symbol;
            return false;
        }
    }
    for (int k = 0; k < kInputFieldCount; ++k) {
        const bool needed = !ChecksDesign() || (k != kA && k != kI);
        if (needed && columns_[k] == kNoColumn) {
            fault.code = ProblemCode::ColumnMissing;
            fault.column = kInputFields[k].symbol;
            return false;
        }
    }
    return true;
}

bool BayTable::ReadHeader(const CsvRecord& header, Problem& fault) {
    columnCount_ = header.size();
    dropped_.assign(header.size(), false);
    droppedNames_.clear();
    names_.assign(header.size(), nullptr);
    bayColumn_ = kNoColumn;
    for (std::size_t column = 0; column < header.size(); ++column) {
        const std::string_view text = TrimCellSpace(header[column]);
        if (IsOutputColumnName(text)) {
            dropped_[column] = true;
            droppedNames_.push_back(text);
            continue;
        }
        const HeaderName name = ReadHeaderName(text);
        if (name.wrongUnit) {
            fault.code = ProblemCode::ColumnUnit;
            fault.column = name.column;
            fault.count = static_cast<long>(column + 1);
            return false;
        }
        names_[column] = name.column;
        if (name.column != nullptr && std::strcmp(name.column, "bay") == 0 && bayColumn_ == kNoColumn) {
            bayColumn_ = column;  // the bay's name on the sheet
        }
    }
    if (!FindColumns(fault)) {
        return false;
    }
    unusedNames_.clear();
    for (int k = 0; k < kDesignInputCount && !ChecksDesign(); ++k) {
        if (design_[k] != kNoColumn) {
            unusedNames_.push_back(kDesignInputNames[k]);
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

BayLayout BayTable::Layout(const CsvRecord& header, bool byteOrderMark) const {
    BayLayout layout;
    layout.header = &header;
    layout.dropped = &dropped_;
    layout.results = results_;
    layout.resultCount = resultCount_;
    layout.designCheck = ChecksDesign();
    layout.byteOrderMark = byteOrderMark;
    return layout;
}

void BayTable::ReadRow(const CsvRecord& row, long line, CheckedBay& checked) const {
    CheckedRow& bay = checked.bay;
    RowRefusal& refusal = bay.refusal;
    refusal.Clear();
    bay.record = &row;
    bay.line = line;
    bay.name = bayColumn_ == kNoColumn ? std::string_view() : TrimCellSpace(row[bayColumn_]);
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
            RefuseCell(refusal, kInputFields[k].symbol, cell, number.status);
        }
    }
    DesignInputs design{};
    if (ChecksDesign()) {
        design = ReadDesignInputs(row, design_, defaults_, bay.inputs.T, refusal);
    }
    if (refusal.Any()) {
        return;
    }
    // The design takes wind and crane braking as acting together, either way.
    if (!(ChecksDesign() ? ComputeDesignForces(bay.inputs, bay.results)
                         : ComputeBracing(bay.inputs, bay.results))) {
        refusal.Add(RefusalCode::Rejected);
        return;
    }
    for (int k = 0; k < resultCount_; ++k) {
        if (!std::isfinite(bay.results.*(results_[k]->value))) {
            refusal.Add(RefusalCode::ResultOutOfRange);
            return;
        }
    }
    if (ChecksDesign()) {
        checked.given = design.section;
        const SectionFamily& family = FamilyOf(design.family);
        const SectionList sizes =
            defaults_.catalogue != nullptr ? defaults_.catalogue->Sizes(design.family) : family.sizing();
        checked.design = DesignBay(bay.results, design.request, design.given ? &checked.given : nullptr,
                                   family, sizes, defaults_.minimum);
        if (DesignOutOfRange(checked.design)) {
            refusal.Add(RefusalCode::ResultOutOfRange);
        } else {
            bay.design = &checked.design;
        }
    }
}
