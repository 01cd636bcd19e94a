#include "report/docx/docx_page.h"

#include "report/docx/docx_sketch.h"
#include "report/docx/docx_table.h"
#include "report/docx/docx_text.h"

#include <algorithm>

namespace {

// Columns in proportion, as the HTML sheet's style sets them.
const std::vector<int> kInputShares = {10, 29, 43, 10};
const std::vector<int> kStepShares = {32, 36, 18, 14};
const std::vector<int> kTopStepShares = {27, 45, 19, 9};  // the forces, beside the sketches
const std::vector<int> kPropertyShares = {12, 11, 9, 9, 11, 10, 11, 13, 14};
const std::vector<int> kCriteriaShares = {30, 15, 17, 9, 10, 19};
// The sketches' column and the inputs' and forces' beside it, 5 mm apart.
constexpr int kSketchColumn = 3515 + 283;  // 62 mm and 5 mm

// 9 pt for the steps (8.5 pt beside the sketches), 8 pt for clauses, in half-points.
constexpr int kStepSize = 18;
constexpr int kTopStepSize = 17;
constexpr int kClauseSize = 16;
// The line under a bay's name, in small print after it: 9 pt.
constexpr int kLineNoteSize = 18;

RunLook Sized(int halfPoints) {
    RunLook look;
    look.halfPoints = halfPoints;
    return look;
}

CellLook Number(int halfPoints = 0) {
    CellLook look;
    look.kind = CellKind::Number;
    look.run.halfPoints = halfPoints;
    return look;
}

CellLook Clause() {
    CellLook look;
    look.run.halfPoints = kClauseSize;
    return look;
}

// A table up to its body's first row, the header repeated on each page.
void BeginTable(TableWriter& table, const std::vector<int>& shares, const char* const* columns, int count,
                bool whole = false) {
    table.Begin(ColumnWidths(shares, static_cast<std::size_t>(count), kTextWidth), TableLines::Grid, whole);
    table.Row(true);
    for (int k = 0; k < count; ++k) {
        table.Cell(columns[k], HeadCell());
    }
}

void AppendInputs(std::string& xml, const BayPage& page) {
    TableWriter table(xml);
    table.Begin(ColumnWidths(kInputShares, 4, kTextWidth - kSketchColumn), TableLines::Grid);
    table.Row(true);
    CellLook heading = HeadCell();
    heading.span = 4;
    table.Cell(page.inputsHeading, heading);
    for (const InputRow& row : page.inputs) {
        table.Row();
        table.Cell(row.symbol, HeadCell());
        table.Cell(row.name);
        table.BeginCell(Number());
        AppendTextRun(xml, row.value);
        table.EndCell();
        table.Cell(row.unit);
    }
    table.End();
}

// "formula = numbers = result unit", and the clause.
void AppendSteps(std::string& xml, const std::vector<Step>& steps, const std::vector<int>& shares = kStepShares,
                 int width = kTextWidth, int halfPoints = kStepSize) {
    TableWriter table(xml);
    table.Begin(ColumnWidths(shares, 4, width), TableLines::Dotted);
    const RunLook look = Sized(halfPoints);
    CellLook text;
    text.run = look;
    for (const Step& step : steps) {
        table.Row();
        table.Cell(step.formula, text);
        table.Cell(step.numbers.empty() ? std::string() : "= " + step.numbers, text);
        table.Cell("= " + step.result + (step.unit.empty() ? "" : " " + step.unit), Number(halfPoints));
        table.Cell(step.clause, Clause());
    }
    table.End();
}

// The sketches and their captions beside the inputs and, for a design,
// its forces: the room its page needs. A trial section's steps are its
// page, at full width below.
void AppendTop(std::string& xml, const BayPage& page, int& serial) {
    TableWriter layout(xml);
    layout.Begin({kSketchColumn, kTextWidth - kSketchColumn}, TableLines::None);
    layout.Row();
    layout.BeginBlockCell();
    BeginParagraph(xml, "Caption");
    AppendSketch(xml, page.sketch, serial);
    EndParagraph(xml);
    AppendParagraph(xml, "Caption", page.sketch.caption);
    // The member's section under the bay, where the page has one.
    if (!page.sectionSketch.marks.empty()) {
        BeginParagraph(xml, "Caption");
        AppendSketch(xml, page.sectionSketch, serial);
        EndParagraph(xml);
        AppendParagraph(xml, "Caption", page.sectionSketch.caption);
    }
    layout.EndBlockCell(false);
    layout.BeginBlockCell();
    AppendInputs(xml, page);
    if (page.design) {
        AppendParagraph(xml, "Heading3", page.stepsHeading);
        AppendSteps(xml, page.steps, kTopStepShares, kTextWidth - kSketchColumn, kTopStepSize);
    }
    layout.EndBlockCell(true);
    layout.End();
}


void AppendCriteria(std::string& xml, const CaseReport& c) {
    TableWriter table(xml);
    BeginTable(table, kCriteriaShares, c.criteriaColumns, c.criteriaColumnCount, true);
    for (const CriterionRow& row : c.criteria) {
        table.Row();
        table.Cell(row.item);
        table.Cell(row.value, Number());
        table.Cell(row.limit, Number());
        table.Cell(row.ratio, Number());
        CellLook verdict;
        verdict.run.bold = verdict.run.underline = !row.ok;
        table.Cell(row.verdict, verdict);
        table.Cell(row.clause, Clause());
    }
    table.End();
}

// Ok and Fail are conclusions in bold; Fail underlined too.
void AppendProse(std::string& xml, const Paragraph& p) {
    RunLook look;
    look.underline = p.emphasis == Emphasis::Fail;
    AppendParagraph(xml, p.emphasis == Emphasis::Note ? "Note" : "Conclusion", p.text, look);
}

void AppendParagraphs(std::string& xml, const std::vector<Paragraph>& paragraphs) {
    for (const Paragraph& p : paragraphs) {
        AppendProse(xml, p);
    }
}

void AppendCase(std::string& xml, const CaseReport& c) {
    AppendParagraph(xml, "Heading3", c.title);
    AppendParagraphs(xml, c.lead);
    if (c.calculated) {
        if (!c.steps.empty()) {
            AppendSteps(xml, c.steps);
            // Tables next to each other would be one, the second's header lost in it.
            AppendParagraph(xml, "Gap", "");
        }
        AppendCriteria(xml, c);
    }
    AppendParagraphs(xml, c.closing);
}

void AppendProperties(std::string& xml, const BayPage& page) {
    TableWriter table(xml);
    BeginTable(table, kPropertyShares, page.propertyColumns, page.propertyColumnCount);
    for (const PropertyRow& row : page.properties) {
        table.Row();
        table.Cell(row.design);
        if (row.cells.empty()) {
            CellLook missing;
            missing.span = page.propertyColumnCount - 1;
            table.Cell(row.missing, missing);
        }
        for (const Cell& cell : row.cells) {
            table.Cell(cell.text, cell.numeric ? Number() : CellLook());
        }
    }
    table.End();
}

}  // namespace

void AppendList(std::string& xml, const TextList& list, int numbering, bool page) {
    // Each item on one page with the next, up to the last, on a page of its own.
    const std::string lastProperties =
        "<w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"" + std::to_string(numbering) + "\"/></w:numPr>";
    const std::string properties = (page ? "<w:keepNext/>" : "") + lastProperties;
    BeginParagraph(xml, "Heading2", page ? "<w:pageBreakBefore/>" : "");
    AppendRun(xml, list.heading);
    EndParagraph(xml);
    for (int k = 0; k < list.count; ++k) {
        BeginParagraph(xml, "ListItem", k + 1 < list.count ? properties : lastProperties);
        AppendRun(xml, list.items[k]);
        EndParagraph(xml);
    }
}

void AppendPage(std::string& xml, const BayPage& page, int& serial) {
    const std::string id = std::to_string(++serial);
    BeginParagraph(xml, "Heading2", "<w:pageBreakBefore/>");
    AppendAll(xml, {"<w:bookmarkStart w:id=\"", id, "\" w:name=\"", BookmarkName(page.anchor), "\"/>"});
    AppendRun(xml, page.headingWord);
    AppendTextRun(xml, page.title);
    AppendRun(xml, page.lineNote, Sized(kLineNoteSize));
    AppendAll(xml, {"<w:bookmarkEnd w:id=\"", id, "\"/>"});
    EndParagraph(xml);
    AppendParagraph(xml, "ScopeLine", page.scopeLine);
    AppendTop(xml, page, serial);
    if (!page.design) {
        AppendParagraph(xml, "Heading3", page.stepsHeading);
        AppendSteps(xml, page.steps);
    } else {
        AppendParagraph(xml, "Heading3", page.propertiesHeading);
        AppendProperties(xml, page);
        AppendProse(xml, page.adopted);
        for (const CaseReport& c : page.cases) {
            AppendCase(xml, c);
        }
    }
}
