#include "report/title_block.h"

#include "batch/output_columns.h"
#include "report/report_words.h"
#include "report/summary_rows.h"

#include <algorithm>
#include <iterator>

namespace {

template <int Count>
void AddColumns(std::vector<const char*>& headings, const char* const (&names)[Count]) {
    std::transform(std::begin(names), std::end(names), std::back_inserter(headings), ChineseColumnHeading);
}

}  // namespace

TitleBlock BuildTitleBlock(const ReportHeading& heading, bool designCheck) {
    TitleBlock block{heading.project,
                     kSheetTitle,
                     {{"工程名称", "", heading.project},
                      {"工程编号", "", heading.number},
                      {"计算日期", "", heading.date},
                      {"计算程序", "柱间支撑计算(验算)程序 bracing-check V", heading.version},
                      {"输入文件", "", heading.inputName}},
                     {"设计", "校对", "审核", "审定"},
                     "日期",
                     designCheck ? kDesignBasis : kDialogBasis,
                     "汇总",
                     {"行", "柱撑", "H (m)", "B (m)"}};
    // Headed as the CSV's Chinese header heads the same columns.
    if (designCheck) {
        AddColumns(block.summaryColumns, kDesignSummaryColumns);
    } else {
        AddColumns(block.summaryColumns, kDialogSummaryColumns);
    }
    return block;
}
