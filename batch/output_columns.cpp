#include "batch/output_columns.h"

#include "batch/word_case.h"
#include "io/csv_writer.h"

#include <algorithm>
#include <iterator>

const char* const kErrorColumn = "error";

namespace {

struct OutputColumn {
    const char* name;
    const char* chinese;  // with the unit, as engineers head a table
};

// Every column the checker writes, in both spellings; the dialog's u and
// the design check's phi2 never share a run, so they share a heading.
const OutputColumn kOutputColumns[] = {
    {"N1", "斜杆内力N1(kN)"},
    {"Nt1", "柱底拔力Nt1(kN)"},
    {"Lx1", "平面内计算长度Lx1(m)"},
    {"Ly1", "平面外计算长度Ly1(m)"},
    {"N2", "斜杆内力N2(kN)"},
    {"Nt2", "柱底拔力Nt2(kN)"},
    {"Lx2", "平面内计算长度Lx2(m)"},
    {"Ly2", "平面外计算长度Ly2(m)"},
    {"Rx1", "需要回转半径Rx1(cm)"},
    {"Ry1", "需要回转半径Ry1(cm)"},
    {"f1", "拉应力f1(N/mm2)"},
    {"Rx2", "需要回转半径Rx2(cm)"},
    {"Ry2", "需要回转半径Ry2(cm)"},
    {"u", "稳定系数φ"},
    {"f2", "压应力f2(N/mm2)"},
    {"section1", "拉杆截面"},
    {"lambda1", "拉杆长细比"},
    {"limit1", "拉杆采用容许长细比"},
    {"stress1", "拉杆应力(N/mm2)"},
    {"ratio1", "拉杆验算比"},
    {"ok1", "拉杆结论"},
    {"section2", "压杆截面"},
    {"lambda2", "压杆长细比"},
    {"limit2", "压杆采用容许长细比"},
    {"lambda_phi2", "稳定计算长细比"},
    {"phi2", "稳定系数φ"},
    {"eta2", "折减系数η"},
    {"rho2", "有效截面系数ρ"},
    {"stress2", "压杆应力(N/mm2)"},
    {"ratio2", "压杆验算比"},
    {"ok2", "压杆结论"},
    {"adopted", "采用设计"},
    {"adopted_section", "采用截面"},
    {"mass", "每米重量(kg/m)"},
    {"ok", "结论"},
    {"error", "错误"},
};

const char* const kDesignCheckResults[] = {"N1", "Nt1", "Lx1", "Ly1", "N2", "Nt2", "Lx2", "Ly2"};

}  // namespace

bool IsOutputColumnName(std::string_view name) {
    return std::any_of(std::begin(kOutputColumns), std::end(kOutputColumns), [name](const OutputColumn& column) {
        return SameWordIgnoringCase(name, column.name) || SameWordIgnoringCase(name, column.chinese);
    });
}

void AppendColumnHeading(std::string& line, const char* name, ColumnHeading heading) {
    AppendCsvField(line, heading == ColumnHeading::Chinese ? ChineseColumnHeading(name) : name, false);
}

const char* ChineseColumnHeading(const char* name) {
    const std::string_view own = name;
    const auto found = std::find_if(std::begin(kOutputColumns), std::end(kOutputColumns),
                                    [own](const OutputColumn& column) { return own == column.name; });
    return found != std::end(kOutputColumns) ? found->chinese : name;
}

bool ShownWithDesignCheck(const ResultRow& row) {
    return std::any_of(std::begin(kDesignCheckResults), std::end(kDesignCheckResults),
                       [&row](std::string_view symbol) { return symbol == row.symbol; });
}
