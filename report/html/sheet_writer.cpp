#include "report/html/sheet_writer.h"

#include "report/html/html_text.h"
#include "report/html/sheet_page.h"
#include "report/html/sheet_summary.h"
#include "report/html/sheet_texts.h"

#include <cerrno>
#include <iterator>
#include <numeric>

namespace {

constexpr std::size_t kCopyBlock = std::size_t{1} << 16;

void AppendMeta(std::string& html, const char* what, std::string_view value) {
    html += "<tr><th>";
    html += what;
    html += "</th><td>";
    AppendIsolated(html, value);
    html += "</td></tr>\n";
}

}  // namespace

SheetWriter::SheetWriter(std::FILE* sheet, std::FILE* spool, const SheetHeading& heading)
    : sheet_(sheet),
      spool_(spool),
      designCheck_(heading.designCheck),
      html_("<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>") {
    if (!heading.project.empty()) {
        // No element may isolate it here: FSI ... PDI do.
        html_ += "\u2068";
        AppendEscaped(html_, heading.project);
        html_ += "\u2069 ";
    }
    html_ += "柱间支撑计算书";
    html_ += "</title>\n";
    html_ += kSheetStyle;
    html_ += "</head>\n<body>\n<h1>柱间支撑计算书</h1>\n<table class=\"meta\">\n";
    AppendMeta(html_, "工程名称", heading.project);
    AppendMeta(html_, "输入文件", heading.inputName);
    AppendMeta(html_, "计算日期", heading.date);
    html_ += "<tr><th>计算程序</th><td>柱间支撑计算(验算)程序 bracing-check V";
    AppendIsolated(html_, heading.version);
    html_ += "</td></tr>\n</table>\n<table class=\"sign\">\n";
    for (const char* role : {"设计", "校对", "审核"}) {
        html_ += std::string("<tr><th>") + role + "</th><td></td><th>日期</th><td></td></tr>\n";
    }
    html_ += "</table>\n<h2>设计依据</h2>\n";
    html_ += heading.designCheck ? kDesignBasis : kDialogBasis;
    html_ += "<h2>汇总</h2>\n";
    AppendSummaryHead(html_, heading.designCheck);
    Write(sheet_);
}

void SheetWriter::Add(const CheckedRow& bay) {
    ++counts_[static_cast<int>(Outcome(bay))];
    AppendSummaryRow(html_, bay, designCheck_);
    Write(sheet_);
    AppendBayPage(html_, bay);
    Write(spool_);
}

void SheetWriter::LeaveOut(long fromLine, long toLine, std::string_view reason) {
    unreadLines_ += toLine - fromLine + 1;
    AppendLeftOutRow(html_, fromLine, toLine, reason, designCheck_);
    Write(sheet_);
}

bool SheetWriter::Finish() {
    AppendSummaryEnd(html_);
    const long refused = counts_[static_cast<int>(BayOutcome::Refused)];
    const long failed = counts_[static_cast<int>(BayOutcome::Failed)];
    const long total = std::accumulate(std::begin(counts_), std::end(counts_), unreadLines_);
    html_ += "<p class=\"count\">共 " + std::to_string(total) + " 行：";
    if (designCheck_) {
        html_ += "满足 " + std::to_string(counts_[static_cast<int>(BayOutcome::Passed)]) +
                 " 个，不满足 " + std::to_string(failed) + " 个（※，NG）";
    } else {
        html_ += "已计算 " + std::to_string(counts_[static_cast<int>(BayOutcome::Computed)]) + " 个";
    }
    html_ += "，未计算 " + std::to_string(refused) + " 个（参数有误，无计算页），未读入 " +
             std::to_string(unreadLines_) + " 行。</p>\n";
    if (unreadLines_ > 0) {
        // In bold and boxed: a reviewer must not take the sheet for the whole input.
        html_ += "<p class=\"incomplete\">本计算书不完整：输入中有 " + std::to_string(unreadLines_) +
                 " 行未读入，其中的柱撑未计算（见汇总表中的“未读入”行）。</p>\n";
    }
    Write(sheet_);

    if (!failed_ && (std::fflush(spool_) != 0 || std::fseek(spool_, 0, SEEK_SET) != 0)) {
        Fail();
    }
    html_.resize(kCopyBlock);
    while (!failed_) {
        const std::size_t got = std::fread(&html_[0], 1, kCopyBlock, spool_);
        if (got > 0 && std::fwrite(html_.data(), 1, got, sheet_) != got) {
            Fail();
        }
        if (got < kCopyBlock) {
            if (std::ferror(spool_) != 0) {
                Fail();
            }
            break;
        }
    }
    html_ = kScopeInFull;
    html_ += "</body>\n</html>\n";
    Write(sheet_);
    if (!failed_ && std::fflush(sheet_) != 0) {
        Fail();
    }
    return !failed_;
}

void SheetWriter::Write(std::FILE* file) {
    if (!failed_ && !html_.empty() && std::fwrite(html_.data(), 1, html_.size(), file) != html_.size()) {
        Fail();
    }
    html_.clear();
}

void SheetWriter::Fail() {
    if (!failed_) {
        failed_ = true;
        errorNumber_ = errno;
    }
}
