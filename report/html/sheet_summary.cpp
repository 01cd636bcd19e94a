#include "report/html/sheet_summary.h"

#include "batch/bay_table.h"
#include "io/cell_space.h"
#include "batch/design_texts.h"
#include "format/fixed_text.h"
#include "messages/refusal_text.h"
#include "report/html/html_text.h"

#include <cstring>

namespace {

constexpr int kDesignColumns = 4;  // the adopted case, its section and ratio, ok
constexpr int kDialogColumns = 4;  // N1, f1, u, f2

template <int Count>
std::string Cell(const DesignColumn (&columns)[Count], const char* name, const DesignCase& c) {
    for (const DesignColumn& column : columns) {
        if (std::strcmp(column.name, name) == 0) {
            return DesignCellText(column, c.section, c.check);
        }
    }
    return std::string();
}

// Those after the bay's name, H and B.
// Four each today; they are counts of different columns.
// cppcheck-suppress duplicateValueTernary
int ResultColumns(bool designCheck) { return designCheck ? kDesignColumns : kDialogColumns; }

std::string Td(const std::string& text, const char* kind = "") {
    return std::string("<td") + kind + ">" + text + "</td>";
}

// The adopted design: which case, its section, its ratio, and ok.
void AppendAdoptedCells(std::string& html, const BayDesign& d) {
    const DesignCase* adopted = d.Adopted();
    const char* which = d.adopted == AdoptedCase::Tension       ? "按拉杆"
                        : d.adopted == AdoptedCase::Compression ? "按压杆"
                                                                : "无";
    std::string section;
    std::string ratio;
    if (adopted != nullptr) {
        section = Cell(kTensionColumns, "section1", *adopted);
        ratio = d.adopted == AdoptedCase::Tension ? Cell(kTensionColumns, "ratio1", *adopted)
                                                  : Cell(kCompressionColumns, "ratio2", *adopted);
    }
    html += Td(which) + Td(section) + Td(ratio, " class=\"num\"") +
            Td(VerdictText(adopted != nullptr));
}

void AppendDialogCells(std::string& html, const BracingResults& r) {
    for (const ResultRow& row : kResultRows) {
        const char* symbol = row.symbol;
        if (std::strcmp(symbol, "N1") == 0 || std::strcmp(symbol, "f1") == 0 ||
            std::strcmp(symbol, "u") == 0 || std::strcmp(symbol, "f2") == 0) {
            html += Td(ToFixed(r.*row.value, row.decimals).String(), " class=\"num\"");
        }
    }
}

}  // namespace

BayOutcome Outcome(const CheckedRow& bay) {
    if (bay.refusal.Any()) {
        return BayOutcome::Refused;
    }
    if (bay.design == nullptr) {
        return BayOutcome::Computed;
    }
    return bay.design->Adopted() != nullptr ? BayOutcome::Passed : BayOutcome::Failed;
}

std::string BayTitle(const CheckedRow& bay) {
    if (bay.name.empty()) {
        return "第 " + std::to_string(bay.line) + " 行";
    }
    std::string title;
    AppendIsolated(title, bay.name);
    return title;
}

void AppendSummaryHead(std::string& html, bool designCheck) {
    html += "<table class=\"summary\">\n<thead><tr><th class=\"mark\"></th><th>行</th>"
            "<th>柱撑</th><th>H (m)</th><th>B (m)</th>";
    html += designCheck ? "<th>采用设计</th><th>截面</th><th>比值</th><th>ok</th>"
                        : "<th>N1 (kN)</th><th>f1 (N/mm²)</th><th>u</th><th>f2 (N/mm²)</th>";
    html += "</tr></thead>\n<tbody>\n";
}

void AppendSummaryRow(std::string& html, const CheckedRow& bay, bool designCheck) {
    const BayOutcome outcome = Outcome(bay);
    html += outcome == BayOutcome::Failed ? "<tr class=\"ng\"><td class=\"mark\">※</td>"
                                          : "<tr><td class=\"mark\"></td>";
    html += Td(std::to_string(bay.line), " class=\"num\"");
    const std::string title = BayTitle(bay);
    html += Td(outcome == BayOutcome::Refused
                   ? title
                   : "<a href=\"#bay-" + std::to_string(bay.line) + "\">" + title + "</a>");
    for (int k = 0; k < 2; ++k) {  // H and B as typed
        std::string cell;
        AppendIsolated(cell, TrimCellSpace(bay.cells[k]));
        html += Td(cell, " class=\"num\"");
    }
    if (outcome == BayOutcome::Refused) {
        std::string text;
        AppendIsolated(text, RefusalText(bay.refusal));
        html += "<td class=\"refused\" colspan=\"" + std::to_string(ResultColumns(designCheck)) +
                "\">" + text + "</td>";
    } else if (bay.design != nullptr) {
        AppendAdoptedCells(html, *bay.design);
    } else {
        AppendDialogCells(html, bay.results);
    }
    html += "</tr>\n";
}

void AppendLeftOutRow(std::string& html, long fromLine, long toLine, std::string_view reason,
                      bool designCheck) {
    std::string text;
    AppendIsolated(text, reason);
    html += "<tr class=\"ng\"><td class=\"mark\">※</td>" +
            Td(fromLine == toLine ? std::to_string(fromLine)
                                  : std::to_string(fromLine) + " 至 " + std::to_string(toLine),
               " class=\"num\"") +
            "<td class=\"refused\" colspan=\"" + std::to_string(3 + ResultColumns(designCheck)) +
            "\">未读入：" + text + "</td></tr>\n";
}

void AppendSummaryEnd(std::string& html) { html += "</tbody>\n</table>\n"; }
