#include "report/html/html_sheet.h"

#include "io/spool.h"
#include "report/html/html_page.h"
#include "report/html/html_text.h"
#include "report/html/sheet_style.h"

#include <cerrno>

namespace {

void AppendTitleRow(std::string& html, const TitleRow& row) {
    html += "<tr><th>";
    html += row.label;
    html += "</th><td>";
    AppendPlain(html, row.prefix);
    AppendIsolated(html, row.value);
    html += "</td></tr>\n";
}

std::string Td(const std::string& text, bool numeric = false) {
    return (numeric ? "<td class=\"num\">" : "<td>") + text + "</td>";
}

}  // namespace

void HtmlSheet::Begin(const TitleBlock& title) {
    html_ = "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
    if (!title.project.empty()) {
        // No element may isolate it here: FSI ... PDI do.
        html_ += "\u2068";
        AppendEscaped(html_, title.project);
        html_ += "\u2069 ";
    }
    AppendPlain(html_, title.title);
    html_ += "</title>\n";
    head_.project.clear();
    AppendIsolated(head_.project, title.project);
    head_.title.clear();
    AppendPlain(head_.title, title.title);
    html_ += kSheetStyle;
    html_ += "</head>\n<body>\n";
    OpenRunning(html_, head_, "");
    html_ += "<h1>";
    AppendPlain(html_, title.title);
    html_ += "</h1>\n<table class=\"meta\">\n";
    for (const TitleRow& row : title.rows) {
        AppendTitleRow(html_, row);
    }
    html_ += "</table>\n<table class=\"sign\">\n";
    for (const char* role : title.signatures) {
        html_ += std::string("<tr><th>") + role + "</th><td></td><th>" + title.dateLabel +
                 "</th><td></td></tr>\n";
    }
    html_ += "</table>\n";
    AppendList(html_, title.basis);
    html_ += "<h2>";
    AppendPlain(html_, title.summaryHeading);
    html_ += "</h2>\n<table class=\"summary\">\n<thead><tr><th class=\"mark\"></th>";
    for (const char* column : title.summaryColumns) {
        html_ += "<th>";
        AppendPlain(html_, column);
        html_ += "</th>";
    }
    html_ += "</tr></thead>\n<tbody>\n";
    Write(sheet_);
}

void HtmlSheet::AddSummaryRow(const SummaryRow& row) {
    html_ += row.marked ? "<tr class=\"ng\"><td class=\"mark\">※</td>" : "<tr><td class=\"mark\"></td>";
    html_ += Td(row.lines, true);
    if (row.bay) {
        std::string title;
        AppendText(title, row.title);
        html_ += Td(row.anchor.empty() ? title : "<a href=\"#" + row.anchor + "\">" + title + "</a>");
        for (const std::string* typed : {&row.H, &row.B}) {
            std::string cell;
            AppendIsolated(cell, *typed);
            html_ += Td(cell, true);
        }
        for (const Cell& cell : row.results) {
            std::string text;
            AppendPlain(text, cell.text);
            html_ += Td(text, cell.numeric);
        }
    }
    if (row.noteColumns > 0) {
        html_ += "<td class=\"refused\" colspan=\"" + std::to_string(row.noteColumns) + "\">";
        AppendPlain(html_, row.notePrefix);
        AppendIsolated(html_, row.note);
        html_ += "</td>";
    }
    html_ += "</tr>\n";
    Write(sheet_);
}

void HtmlSheet::AddPage(const BayPage& page) {
    AppendPage(html_, page, head_);
    Write(spool_);
}

void HtmlSheet::EndSummary(const SummaryEnd& end) {
    html_ += "</tbody>\n</table>\n<p class=\"count\">";
    AppendPlain(html_, end.count);
    html_ += "</p>\n";
    if (!end.incomplete.empty()) {
        // In bold and boxed.
        html_ += "<p class=\"incomplete\">";
        AppendPlain(html_, end.incomplete);
        html_ += "</p>\n";
    }
    CloseRunning(html_);
    Write(sheet_);
}

bool HtmlSheet::Finish(const TextList& scope) {
    const auto copy = [this](std::string_view block) {
        html_.assign(block.data(), block.size());
        Write(sheet_);
        return !failed_;
    };
    if (!failed_ && !ReadSpool(spool_, copy)) {
        Fail();
    }
    html_ = "<section class=\"closing keep\">\n";
    OpenRunning(html_, head_, scope.heading);
    html_ += "<h2>";
    AppendPlain(html_, scope.heading);
    html_ += "</h2>\n";
    AppendItems(html_, scope);
    CloseRunning(html_);
    html_ += "</section>\n</body>\n</html>\n";
    Write(sheet_);
    if (!failed_ && std::fflush(sheet_) != 0) {
        Fail();
    }
    return !failed_;
}

void HtmlSheet::Write(std::FILE* file) {
    if (!failed_ && !html_.empty() && std::fwrite(html_.data(), 1, html_.size(), file) != html_.size()) {
        Fail();
    }
    html_.clear();
}

void HtmlSheet::Fail() {
    if (!failed_) {
        failed_ = true;
        errorNumber_ = errno;
    }
}
