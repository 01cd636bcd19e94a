#include "report/report_sink.h"

#include "messages/problem_text.h"
#include "report/bay_page.h"
#include "report/report_words.h"

bool ReportSink::Begin(const BayLayout& layout) {
    designCheck_ = layout.designCheck;
    renderer_.Begin(BuildTitleBlock(heading_, designCheck_));
    return true;
}

bool ReportSink::Add(const CheckedRow& bay) {
    ++counts_[static_cast<int>(Outcome(bay))];
    BuildSummaryRow(bay, designCheck_, row_);
    renderer_.AddSummaryRow(row_);
    if (BuildBayPage(bay, page_)) {
        renderer_.AddPage(page_);
    }
    return true;
}

void ReportSink::LeaveOut(const Problem& problem) {
    unreadLines_ += problem.toLine - problem.line + 1;
    BuildLeftOutRow(problem.line, problem.toLine, ProblemText(problem, kSheetLanguage), designCheck_, row_);
    renderer_.AddSummaryRow(row_);
}

bool ReportSink::Finish() {
    renderer_.EndSummary(BuildSummaryEnd(counts_, unreadLines_, designCheck_));
    return renderer_.Finish(kScopeInFull);
}
