#include "report/html/sheet_page.h"

#include "io/cell_space.h"
#include "batch/design_texts.h"
#include "batch/grade_text.h"
#include "report/html/html_text.h"
#include "report/html/sheet_calc.h"
#include "report/html/sheet_design.h"
#include "report/html/sheet_sketch.h"
#include "report/html/sheet_steps.h"
#include "report/html/sheet_summary.h"
#include "report/html/sheet_texts.h"

namespace {

// The dialog's labels of the seven inputs, in kInputFields' order.
const char* const kInputNames[kInputFieldCount] = {
    "柱撑高度", "柱撑宽度", "纵向榀数", "吊车刹车力", "风荷载合力", "验算截面积", "验算回转半径",
};

void AppendRow(std::string& html, const std::string& symbol, const char* name,
               const std::string& value, const std::string& unit) {
    html += "<tr><th>" + symbol + "</th><td>" + name + "</td><td class=\"num\">" + value +
            "</td><td>" + unit + "</td></tr>\n";
}

// The design's own inputs: grade, method, crane duty and the limits with
// the table they come from (or as typed).
void AppendDesignBasisRows(std::string& html, const BayDesign& d) {
    AppendRow(html, "", "钢号", GradeName(d.grade), "");
    AppendRow(html, "", "设计方法", MethodText(d.method), "");
    AppendRow(html, "", "吊车", d.heavyCranes ? "重级工作制（A6–A8）" : "非重级工作制", "");
    AppendRow(html, "[λ]", "拉杆容许长细比", Number(d.limits.tension.lambda, kLimitDecimals), "");
    const AllowableSlenderness& c = d.limits.compression;
    const bool mayRise = c.halfCapacityRelief && c.lambda < kHalfCapacityLimit;
    AppendRow(html, "[λ]", "压杆容许长细比",
              Number(c.lambda, kLimitDecimals) +
                  (mayRise ? "（N2 ≤ 50% 稳定承载力时取 200，7.4.6 第 2 款）" : ""),
              "");
}

void AppendInputs(std::string& html, const CheckedRow& bay) {
    html += "<table class=\"inputs\">\n<thead><tr><th colspan=\"4\">基本数据</th></tr></thead>\n"
            "<tbody>\n";
    // A and i are the dialog's trial section; beside a section column they are not used.
    const int count = bay.design == nullptr ? kInputFieldCount : kInputFieldCount - 2;
    for (int k = 0; k < count; ++k) {
        const InputField& field = kInputFields[k];
        // As typed: the value read is exactly this text, where a rounded
        // one could hide a small crane force.
        std::string typed;
        AppendIsolated(typed, TrimCellSpace(bay.cells[k]));
        AppendRow(html, field.symbol, kInputNames[k], typed, UnitText(field.unit));
    }
    if (bay.design != nullptr) {
        AppendDesignBasisRows(html, *bay.design);
    }
    html += "</tbody>\n</table>\n";
}

}  // namespace

void AppendBayPage(std::string& html, const CheckedRow& bay) {
    if (bay.refusal.Any()) {
        return;
    }
    html += "<section class=\"bay\" id=\"bay-" + std::to_string(bay.line) + "\">\n<h2>柱撑 " +
            BayTitle(bay);
    if (!bay.name.empty()) {
        html += "（第 " + std::to_string(bay.line) + " 行）";
    }
    html += "</h2>\n";
    html += kScopeLine;
    html += "<div class=\"top\">\n";
    AppendBaySketch(html, bay.inputs, bay.design != nullptr);
    AppendInputs(html, bay);
    html += "</div>\n";
    html += bay.design == nullptr ? "<h3>计算过程（与对话框相同）</h3>\n" : "<h3>内力与计算长度</h3>\n";
    AppendCoreSteps(html, bay.inputs, bay.results, bay.design == nullptr);
    if (bay.design != nullptr) {
        html += "<h3>截面特性（GB/T 706-2016）</h3>\n";
        AppendSectionProperties(html, *bay.design);
        AppendDesignCases(html, bay.results, *bay.design);
    }
    html += "</section>\n";
}
