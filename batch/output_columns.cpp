#include "batch/output_columns.h"

#include "batch/design_texts.h"

#include <algorithm>
#include <iterator>

const char* const kErrorColumn = "error";

namespace {

template <class Column, std::size_t N>
bool Names(const Column (&columns)[N], std::string_view name) {
    return std::any_of(std::begin(columns), std::end(columns),
                       [name](const Column& column) { return name == column.name; });
}

const char* const kDesignCheckResults[] = {"N1", "Nt1", "Lx1", "Ly1", "N2", "Nt2", "Lx2", "Ly2"};

}  // namespace

bool IsOutputColumnName(std::string_view name) {
    return std::any_of(std::begin(kResultRows), std::end(kResultRows),
                       [name](const ResultRow& row) { return name == row.symbol; }) ||
           Names(kTensionColumns, name) || Names(kCompressionColumns, name) ||
           Names(kAdoptedColumns, name) || name == kErrorColumn;
}

bool ShownWithDesignCheck(const ResultRow& row) {
    return std::any_of(std::begin(kDesignCheckResults), std::end(kDesignCheckResults),
                       [&row](std::string_view symbol) { return symbol == row.symbol; });
}
