#include "batch/header_names.h"

#include "batch/word_case.h"
#include "io/cell_space.h"

#include <algorithm>
#include <iterator>

namespace {

struct Spelling {
    const char* text;
    // Read through find_if's iterator, which cppcheck does not follow.
    // cppcheck-suppress unusedStructMember
    const char* column;  // the column's own name
};

// Each column's own name, then the names Chinese engineers head it with;
// letter case does not count.
const Spelling kSpellings[] = {
    {"bay", "bay"},           {"柱撑编号", "bay"},       {"编号", "bay"},
    {"H", "H"},               {"高度", "H"},             {"柱撑高度", "H"},
    {"B", "B"},               {"宽度", "B"},             {"柱撑宽度", "B"},
    {"n", "n"},               {"榀数", "n"},             {"纵向榀数", "n"},
    {"T", "T"},               {"吊车刹车力", "T"},       {"刹车力", "T"},
    {"W", "W"},               {"风荷载", "W"},           {"风荷载合力", "W"},
    {"A", "A"},               {"截面积", "A"},
    {"i", "i"},               {"回转半径", "i"},
    {"section", "section"},   {"截面", "section"},
    {"grade", "grade"},       {"钢号", "grade"},         {"材质", "grade"},
    {"method", "method"},     {"设计方法", "method"},
    {"cranes", "cranes"},     {"吊车工作级别", "cranes"},
    {"lambda_t", "lambda_t"}, {"拉杆容许长细比", "lambda_t"},
    {"lambda_c", "lambda_c"}, {"压杆容许长细比", "lambda_c"},
    // Read once the section families' own columns join: the kind of
    // section and the gusset plate's thickness.
    {"family", "family"},     {"截面类型", "family"},
    {"gusset", "gusset"},     {"节点板厚", "gusset"},
};

struct ColumnUnits {
    const char* column;
    const char* spellings[2];  // the first as messages show it; null past the last
};

// Columns not listed are counts or words and take no unit.
const ColumnUnits kUnits[] = {
    {"H", {"m"}},  {"B", {"m"}},  {"T", {"kN"}},         {"W", {"kN"}},
    {"A", {"cm2", "cm²"}}, {"i", {"cm"}}, {"gusset", {"mm"}},
};

// Brackets a unit may stand in, ASCII and full-width.
const std::string_view kOpening[] = {"(", "[", "（", "【", "［"};
const std::string_view kClosing[] = {")", "]", "）", "】", "］"};

const ColumnUnits* UnitsOf(std::string_view column) {
    const auto found = std::find_if(std::begin(kUnits), std::end(kUnits),
                                    [column](const ColumnUnits& units) { return column == units.column; });
    return found == std::end(kUnits) ? nullptr : found;
}

// Splits `name (unit)` into its name and unit; false without brackets.
bool SplitUnit(std::string_view& name, std::string_view& unit) {
    const auto closes = [name](std::string_view closing) {
        return name.size() >= closing.size() && name.substr(name.size() - closing.size()) == closing;
    };
    const std::string_view* closing = std::find_if(std::begin(kClosing), std::end(kClosing), closes);
    if (closing == std::end(kClosing)) {
        return false;
    }
    std::size_t open = std::string_view::npos;
    std::size_t openSize = 0;
    for (std::string_view opening : kOpening) {
        const std::size_t at = name.rfind(opening);
        if (at != std::string_view::npos && (open == std::string_view::npos || at > open)) {
            open = at;
            openSize = opening.size();
        }
    }
    if (open == std::string_view::npos || open == 0) {
        return false;
    }
    unit = TrimCellSpace(name.substr(open + openSize, name.size() - closing->size() - open - openSize));
    name = TrimCellSpace(name.substr(0, open));
    return true;
}

const char* ColumnNamed(std::string_view name) {
    const auto found = std::find_if(std::begin(kSpellings), std::end(kSpellings),
                                    [name](const Spelling& s) { return SameWordIgnoringCase(name, s.text); });
    return found == std::end(kSpellings) ? nullptr : found->column;
}

}  // namespace

HeaderName ReadHeaderName(std::string_view text) {
    HeaderName read;
    std::string_view name = TrimCellSpace(text);
    read.column = ColumnNamed(name);
    if (read.column != nullptr) {
        return read;
    }
    std::string_view unit;
    read.column = SplitUnit(name, unit) ? ColumnNamed(name) : nullptr;
    if (read.column != nullptr && !unit.empty()) {
        const ColumnUnits* units = UnitsOf(read.column);
        const auto same = [unit](const char* spelling) {
            return spelling != nullptr && SameWordIgnoringCase(unit, spelling);
        };
        read.wrongUnit = units == nullptr || std::none_of(std::begin(units->spellings), std::end(units->spellings), same);
    }
    return read;
}

const char* ColumnUnit(std::string_view column) {
    const ColumnUnits* units = UnitsOf(column);
    return units == nullptr ? "" : units->spellings[0];
}
