#include "report/html/sheet_steps.h"

#include "format/fixed_text.h"

std::string Number(double value, int decimals) { return ToFixed(value, decimals).String(); }

void BeginSteps(std::string& html) {
    html += "<table class=\"steps\">\n<colgroup><col class=\"formula\"><col class=\"numbers\">"
            "<col class=\"result\"><col></colgroup>\n";
}

void EndSteps(std::string& html) { html += "</table>\n"; }

void AppendStep(std::string& html, std::string_view formula, std::string_view numbers,
                std::string_view result, std::string_view unit, std::string_view clause) {
    html += "<tr><td>";
    html += formula;
    html += "</td><td>";
    if (!numbers.empty()) {
        html += "= ";
        html += numbers;
    }
    html += "</td><td class=\"num\">= ";
    html += result;
    if (!unit.empty()) {
        html += ' ';
        html += unit;
    }
    html += "</td><td class=\"clause\">";
    html += clause;
    html += "</td></tr>\n";
}
