#include "batch/design_cells.h"

#include "batch/design_texts.h"

#include <algorithm>
#include <cmath>

namespace {

template <int N>
void AppendCase(std::string& line, const DesignColumn (&columns)[N], const DesignCase* checked) {
    for (const DesignColumn& column : columns) {
        // Straight into the line: no design cell needs quotes.
        line.push_back(',');
        if (checked != nullptr) {
            AppendDesignCellText(line, column, checked->section, checked->check);
        }
    }
}

template <int N>
bool OutOfRange(const DesignColumn (&columns)[N], const DesignCase& checked) {
    return checked.section != nullptr &&
           std::any_of(columns, columns + N, [&checked](const DesignColumn& column) {
               return column.kind == DesignCell::Number && HasNumber(column, checked.check) &&
                      !std::isfinite(column.value(checked.check));
           });
}

}  // namespace

void AppendDesignHeader(std::string& line, ColumnHeading heading) {
    for (const auto& column : kTensionColumns) {
        AppendColumnHeading(line, column.name, heading);
    }
    for (const auto& column : kCompressionColumns) {
        AppendColumnHeading(line, column.name, heading);
    }
    for (const auto& column : kAdoptedColumns) {
        AppendColumnHeading(line, column.name, heading);
    }
}

void AppendDesignCells(std::string& line, const BayDesign* design) {
    AppendCase(line, kTensionColumns, design == nullptr ? nullptr : &design->tension);
    AppendCase(line, kCompressionColumns, design == nullptr ? nullptr : &design->compression);
    for (const AdoptedColumn& column : kAdoptedColumns) {
        line.push_back(',');
        if (design != nullptr) column.append(line, *design);
    }
}

bool DesignOutOfRange(const BayDesign& design) {
    return OutOfRange(kTensionColumns, design.tension) ||
           OutOfRange(kCompressionColumns, design.compression);
}
