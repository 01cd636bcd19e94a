#include "output_columns.h"

#include "ui/result_rows.h"

#include <algorithm>
#include <iterator>

const char* const kErrorColumn = "error";

namespace {

// Besides the result rows. Features that write more columns add them here.
const char* const kOtherOutputColumns[] = {kErrorColumn};

}  // namespace

bool IsOutputColumnName(std::string_view name) {
    return std::any_of(std::begin(kResultRows), std::end(kResultRows),
                       [name](const ResultRow& row) { return name == row.symbol; }) ||
           std::any_of(std::begin(kOtherOutputColumns), std::end(kOtherOutputColumns),
                       [name](const char* column) { return name == column; });
}
