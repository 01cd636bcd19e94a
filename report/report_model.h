// The calc sheet (柱间支撑计算书) as plain data: what it says, in the
// order it says it, with no markup. The builder fills it from the checked
// bays; a renderer prints it and decides nothing.
#ifndef BRACING_REPORT_REPORT_MODEL_H
#define BRACING_REPORT_REPORT_MODEL_H

#include <string>
#include <string_view>
#include <vector>

// A text and whether it came from the input or the command line: such a
// text must not act on the text around it, whatever it holds.
struct Text {
    std::string text;
    bool typed = false;
};

// A numbered list of the program's own sentences under a heading.
struct TextList {
    const char* heading;
    const char* const* items;
    int count;
};

// One line of the title block: `prefix` is the program's, `value` as given.
struct TitleRow {
    const char* label;
    const char* prefix;
    std::string_view value;
};

struct TitleBlock {
    std::string_view project;  // as given; may be empty
    const char* title;         // of the sheet
    TitleRow rows[5];          // project, its number, date, program and version, input file
    const char* signatures[4]; // roles that sign, each beside a date
    const char* dateLabel;
    TextList basis;            // the design basis
    const char* summaryHeading;
    std::vector<const char*> summaryColumns;  // after the mark column
};

// A table cell of the program's texts; `numeric` ones align right.
struct Cell {
    std::string text;
    bool numeric = false;
};

// One line of the summary: a bay written, or input lines not read.
struct SummaryRow {
    bool marked = false;        // NG or not read: shown by a mark, not only by colour
    std::string lines;          // "5", or "5 至 7" for lines not read
    bool bay = false;           // false: lines not read, only `note` follows
    Text title;                 // the bay's name, or its line
    std::string anchor;         // of its page; empty: it has none
    std::string H, B;           // as typed
    std::vector<Cell> results;  // when it has results
    // Refused or not read: a note over the remaining `noteColumns`.
    const char* notePrefix = "";
    std::string note;           // as the run gave it
    int noteColumns = 0;
};

struct SummaryEnd {
    std::string count;       // the count line
    std::string incomplete;  // empty unless lines were not read
};

struct InputRow {
    std::string symbol;
    const char* name;
    Text value;
    std::string unit;
};

// One line of the calculation: formula = numbers = result unit, clause.
// The texts are the program's own; a renderer escapes what its markup needs.
// Empty `numbers` leave that part out (Ly1 = L = 10.000 m).
struct Step {
    std::string formula;
    std::string numbers;
    std::string result;
    std::string unit;
    std::string clause;
};

// A criterion of a design case against its limit.
struct CriterionRow {
    std::string item;  // what, and the quantity checked
    std::string value;
    std::string limit;
    std::string ratio;
    bool ok = false;
    const char* verdict = "";
    const char* clause = "";
};

enum class Emphasis { Ok, Fail, Note };

struct Paragraph {
    Emphasis emphasis;
    std::string text;
};

struct CaseReport {
    std::string title;
    std::vector<Paragraph> lead;  // before the calculation
    bool calculated = false;      // steps and criteria follow
    std::vector<Step> steps;
    const char* const* criteriaColumns = nullptr;
    int criteriaColumnCount = 0;
    std::vector<CriterionRow> criteria;
    std::vector<Paragraph> closing;  // after it
};

struct PropertyRow {
    const char* design = "";
    std::vector<Cell> cells;  // the section's, or none
    const char* missing = "";  // over the remaining columns when none passes
};

// A sketch in drawing units, y downwards: lines, the arrow's head,
// closed outlines, circles and labels, in the order they are drawn (a
// later mark covers an earlier one).
// Path: a closed outline through `points`, filled. Circle: centre x[0],
// y[0] and `radius`, filled. Their styles: "section" the steel (light
// fill, black outline), "bore" a tube's hole (white fill, black outline),
// "gusset" the gusset plate (dark fill). Line styles besides the bay's:
// "axis" an axis of the section (dash-dot), "leader" a thin line from a
// label to what it names.
enum class MarkKind { Line, Polygon, Label, Path, Circle };

struct SketchPoint {
    double x;
    double y;
};

struct SketchMark {
    MarkKind kind;
    const char* style = "";  // line: its kind (column, strut, dim, ...); path, circle: as above
    double x[3] = {};        // line: two ends; polygon: three corners; label: its anchor; circle: its centre
    double y[3] = {};
    std::vector<SketchPoint> points;  // path
    double radius = 0.0;              // circle
    std::string text;        // label
    const char* anchor = ""; // label: start, middle or end
    bool upwards = false;    // label: along a vertical dimension
    bool squeezed = false;   // label: into `fitLength`, being longer than the room
    double fitLength = 0.0;
};

struct Sketch {
    double width = 0.0;
    double height = 0.0;
    const char* description = "";
    std::vector<SketchMark> marks;
    const char* caption = "";
};

// One accepted bay's page.
struct BayPage {
    std::string anchor;
    const char* headingWord = "";  // before the title
    Text title;
    std::string lineNote;     // the line, when the title is a name
    const char* scopeLine = "";
    Sketch sketch;
    // The member's section to scale, with its axes and the gusset; no
    // marks where the page has no section to draw.
    Sketch sectionSketch;
    const char* inputsHeading = "";
    std::vector<InputRow> inputs;
    std::string stepsHeading;
    std::vector<Step> steps;
    bool design = false;  // the section properties and design cases follow
    const char* propertiesHeading = "";
    const char* const* propertyColumns = nullptr;
    int propertyColumnCount = 0;
    PropertyRow properties[2];
    // What is adopted, before the cases: the adopted one first.
    Paragraph adopted{Emphasis::Note, {}};
    CaseReport cases[2];
};

#endif
