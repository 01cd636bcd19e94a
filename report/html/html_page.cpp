#include "report/html/html_page.h"

#include "report/html/html_sketch.h"
#include "report/html/html_text.h"

namespace {

// A <th> or <td> of the program's text.
void AppendCell(std::string& html, const char* tag, std::string_view text, const char* attributes = "") {
    html += '<';
    html += tag;
    html += attributes;
    html += '>';
    AppendPlain(html, text);
    html += "</";
    html += tag;
    html += '>';
}

// A table of class `kind` up to its body's first row.
void BeginTable(std::string& html, const char* kind, const char* const* columns, int count) {
    html += std::string("<table class=\"") + kind + "\">\n<thead><tr>";
    for (int k = 0; k < count; ++k) {
        AppendCell(html, "th", columns[k]);
    }
    html += "</tr></thead>\n<tbody>\n";
}

void EndTable(std::string& html) { html += "</tbody>\n</table>\n"; }

void AppendHeading(std::string& html, const char* tag, std::string_view text) {
    AppendCell(html, tag, text);
    html += '\n';
}

void AppendInputs(std::string& html, const BayPage& page) {
    html += "<table class=\"inputs\">\n<thead><tr><th colspan=\"4\">";
    AppendPlain(html, page.inputsHeading);
    html += "</th></tr></thead>\n<tbody>\n";
    for (const InputRow& row : page.inputs) {
        html += "<tr>";
        AppendCell(html, "th", row.symbol);
        AppendCell(html, "td", row.name);
        html += "<td class=\"num\">";
        AppendText(html, row.value);
        html += "</td>";
        AppendCell(html, "td", row.unit);
        html += "</tr>\n";
    }
    html += "</tbody>\n</table>\n";
}

// "formula = numbers = result unit", and the clause.
void AppendSteps(std::string& html, const std::vector<Step>& steps) {
    html += "<table class=\"steps\">\n<colgroup><col class=\"formula\"><col class=\"numbers\">"
            "<col class=\"result\"><col></colgroup>\n";
    for (const Step& step : steps) {
        html += "<tr>";
        AppendCell(html, "td", step.formula);
        html += "<td>";
        if (!step.numbers.empty()) {
            html += "= ";
            AppendPlain(html, step.numbers);
        }
        html += "</td><td class=\"num\">= ";
        AppendPlain(html, step.result);
        if (!step.unit.empty()) {
            html += ' ';
            AppendPlain(html, step.unit);
        }
        html += "</td>";
        AppendCell(html, "td", step.clause, " class=\"clause\"");
        html += "</tr>\n";
    }
    html += "</table>\n";
}

void AppendCriteria(std::string& html, const CaseReport& c) {
    BeginTable(html, "criteria", c.criteriaColumns, c.criteriaColumnCount);
    for (const CriterionRow& row : c.criteria) {
        html += "<tr>";
        AppendCell(html, "td", row.item);
        AppendCell(html, "td", row.value, " class=\"num\"");
        AppendCell(html, "td", row.limit, " class=\"num\"");
        AppendCell(html, "td", row.ratio, " class=\"num\"");
        AppendCell(html, "td", row.verdict, row.ok ? "" : " class=\"fail\"");
        AppendCell(html, "td", row.clause, " class=\"clause\"");
        html += "</tr>\n";
    }
    EndTable(html);
}

const char* ParagraphClass(Emphasis emphasis) {
    switch (emphasis) {
    case Emphasis::Ok:
        return " class=\"conclusion\"";
    case Emphasis::Fail:
        return " class=\"conclusion fail\"";
    case Emphasis::Note:
        break;
    }
    return " class=\"note\"";
}

void AppendParagraph(std::string& html, const Paragraph& p) {
    AppendCell(html, "p", p.text, ParagraphClass(p.emphasis));
    html += '\n';
}

void AppendParagraphs(std::string& html, const std::vector<Paragraph>& paragraphs) {
    for (const Paragraph& p : paragraphs) {
        AppendParagraph(html, p);
    }
}

void AppendCase(std::string& html, const CaseReport& c) {
    AppendHeading(html, "h3", c.title);
    AppendParagraphs(html, c.lead);
    if (c.calculated) {
        if (!c.steps.empty()) {
            AppendSteps(html, c.steps);
        }
        AppendCriteria(html, c);
    }
    AppendParagraphs(html, c.closing);
}

void AppendProperties(std::string& html, const BayPage& page) {
    BeginTable(html, "properties", page.propertyColumns, page.propertyColumnCount);
    for (const PropertyRow& row : page.properties) {
        html += "<tr>";
        AppendCell(html, "td", row.design);
        if (row.cells.empty()) {
            const std::string span = " colspan=\"" + std::to_string(page.propertyColumnCount - 1) + "\"";
            AppendCell(html, "td", row.missing, span.c_str());
        }
        for (const Cell& cell : row.cells) {
            AppendCell(html, "td", cell.text, cell.numeric ? " class=\"num\"" : "");
        }
        html += "</tr>\n";
    }
    EndTable(html);
}

}  // namespace

void AppendItems(std::string& html, const TextList& list) {
    html += "<ol>\n";
    for (int k = 0; k < list.count; ++k) {
        AppendCell(html, "li", list.items[k]);
        html += '\n';
    }
    html += "</ol>\n";
}

void AppendList(std::string& html, const TextList& list) {
    AppendHeading(html, "h2", list.heading);
    AppendItems(html, list);
}

void OpenRunning(std::string& html, const RunningHead& head, const std::string& what) {
    html += "<table class=\"running\">\n<thead><tr><td><span>" + head.project + "</span>\n<span>" + what +
            "</span>\n<span>" + head.title + "</span></td></tr></thead>\n<tbody><tr><td>\n";
}

void CloseRunning(std::string& html) { html += "</td></tr></tbody>\n</table>\n"; }

void AppendPage(std::string& html, const BayPage& page, const RunningHead& head) {
    html += "<section class=\"bay\" id=\"" + page.anchor + "\">\n";
    std::string bay;
    AppendPlain(bay, page.headingWord);
    AppendText(bay, page.title);
    OpenRunning(html, head, bay);
    html += "<h2>" + bay;
    if (!page.lineNote.empty()) {
        AppendCell(html, "small", page.lineNote, " class=\"line\"");
    }
    html += "</h2>\n";
    AppendCell(html, "p", page.scopeLine, " class=\"scope-line\"");
    html += "\n<div class=\"top\">\n";
    if (page.sectionSketch.marks.empty()) {
        AppendSketch(html, page.sketch);
    } else {
        html += "<div class=\"figures\">\n";
        AppendSketch(html, page.sketch);
        AppendSketch(html, page.sectionSketch);
        html += "</div>\n";
    }
    // A design's forces under the inputs, beside the sketches: the room its
    // page needs. The trial section's steps are the page: at full width.
    const auto appendForces = [&] {
        AppendHeading(html, "h3", page.stepsHeading);
        AppendSteps(html, page.steps);
    };
    html += "<div class=\"tables\">\n";
    AppendInputs(html, page);
    if (page.design) {
        appendForces();
    }
    html += "</div>\n</div>\n";
    if (!page.design) {
        appendForces();
    } else {
        AppendHeading(html, "h3", page.propertiesHeading);
        AppendProperties(html, page);
        AppendParagraph(html, page.adopted);
        for (const CaseReport& c : page.cases) {
            AppendCase(html, c);
        }
    }
    CloseRunning(html);
    html += "</section>\n";
}
