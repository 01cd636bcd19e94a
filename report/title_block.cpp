#include "report/title_block.h"

#include "report/report_words.h"

#include <iterator>

namespace {

// The summary's columns after the line, the bay, H and B.
const char* const kDesignColumns[] = {"采用设计", "截面", "比值", "ok"};
const char* const kDialogColumns[] = {"N1 (kN)", "f1 (N/mm²)", "u", "f2 (N/mm²)"};

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
    if (designCheck) {
        block.summaryColumns.insert(block.summaryColumns.end(), std::begin(kDesignColumns), std::end(kDesignColumns));
    } else {
        block.summaryColumns.insert(block.summaryColumns.end(), std::begin(kDialogColumns), std::end(kDialogColumns));
    }
    return block;
}
