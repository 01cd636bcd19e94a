#include "report/csv/tests/checked_text.h"
#include "design/families/families.h"
#include "batch/design_texts.h"
#include "report/core_steps.h"
#include "report/report_words.h"
#include "report/html/tests/sheet_document.h"
#include "report/html/tests/sheet_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const ExampleBay kWorked = {5, "", {"6", "8", "2", "20", "30"}, 0, 0, SteelGrade::Q235};
const ExampleBay kTooLight = {2, "A-1", {"6", "8", "2", "20", "30"}, 63, 6, SteelGrade::Q235};
const ExampleBay kTrial = {3, "T", {"6", "8", "2", "20", "30", "12", "3"}, 0, 0, SteelGrade::Q235};

std::string Repeat(const char* text, int times) {
    std::string repeated;
    for (int k = 0; k < times; ++k) {
        repeated += text;
    }
    return repeated;
}

std::string ReadBack(std::FILE* file) {
    std::string text;
    std::rewind(file);
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        text += static_cast<char>(c);
    }
    std::fclose(file);
    return text;
}

// The sheet of `bays`, parsed; the test fails where it is not well-formed.
Element Sheet(const std::vector<ExampleBay>& bays, std::string_view project = "P",
              bool designCheck = true) {
    const ReportHeading heading{project, "bays.csv", "2024-05-31", "9.99"};
    std::FILE* file = std::tmpfile();
    EXPECT_TRUE(file != nullptr && WriteSheet(file, heading, designCheck, bays));
    return ParseSheet(ReadBack(file));
}

// The rows of the first table of class `kind` in `part`, each as "a|b|c".
std::vector<std::string> Rows(const Element& part, const std::string& kind) {
    std::vector<std::string> rows;
    const auto tables = part.All("table", kind);
    if (!tables.empty()) {
        for (const Element* row : tables[0]->All("tr")) {
            rows.push_back(row->Cells());
        }
    }
    return rows;
}

const Element* Page(const Element& sheet, long line) {
    for (const Element* page : sheet.All("section", "bay")) {
        if (page->Attribute("id") == "bay-" + std::to_string(line)) {
            return page;
        }
    }
    return nullptr;
}

// Every label of the sketch lies inside its viewBox, its length estimated
// at 0.6 em a Latin character and 1 em a Chinese one (or as squeezed).
void ExpectLabelsInside(const Element& svg, const std::string& why) {
    double x0, y0, width, height;
    ASSERT_EQ(std::sscanf(svg.Attribute("viewBox").c_str(), "%lf %lf %lf %lf", &x0, &y0, &width, &height), 4);
    constexpr double kFont = 14.0;  // px, as the style sheet sets it
    for (const Element* label : svg.All("text")) {
        double length = 0;
        for (const char c : label->text) {
            length += (c & 0xC0) == 0x80 ? 0.0 : (c & 0x80) ? kFont : 0.6 * kFont;
        }
        if (!label->Attribute("textLength").empty()) {
            length = label->Number("textLength");
        }
        const std::string anchor = label->Attribute("text-anchor");
        const double before = anchor == "middle" ? length / 2 : anchor == "end" ? length : 0.0;
        const bool upwards = !label->Attribute("transform").empty();  // rotate(-90 x y)
        const double x = label->Number("x"), y = label->Number("y");
        const double left = upwards ? x - kFont : x - before, right = upwards ? x : x - before + length;
        const double top = upwards ? y - length + before : y - kFont, bottom = upwards ? y + before : y;
        EXPECT_TRUE(left >= x0 && right <= x0 + width && top >= y0 && bottom <= y0 + height)
            << why << ": " << label->text << " spans x " << left << " to " << right << ", y " << top
            << " to " << bottom;
    }
}

// The lines of class `kind`, as x1 y1 x2 y2.
std::vector<std::vector<double>> Lines(const Element& svg, const std::string& kind) {
    std::vector<std::vector<double>> lines;
    for (const Element* line : svg.All("line", kind)) {
        lines.push_back({line->Number("x1"), line->Number("y1"), line->Number("x2"), line->Number("y2")});
    }
    return lines;
}

}  // namespace

TEST(Sheet, EveryTextFromTheInputIsValidVisibleAndIsolated) {
    const std::string rlo = "\u202E", pdf = "\u202C", rli = "\u2067", pdi = "\u2069";
    struct Case {
        const char* why;
        std::string typed;  // as the project and the bay's name
        std::string shown;
    };
    const Case cases[] = {
        {"markup is text", "N <i> & \"q\" 'r'", "N <i> & \"q\" 'r'"},
        {"bytes not UTF-8", "\xFF\xFE" "a\xE4\xB8", "\uFFFD\uFFFDa\uFFFD\uFFFD"},
        {"C0 and C1 controls as standard error writes them", "a\x1B[2Jb\tc\n\xC2\x9B", "a\\x1B[2Jb\\x09c\\x0A\\x9B"},
        {"an override left open is closed inside the name", "abc" + rlo, "abc" + rlo + pdf},
        {"a closer of nothing is dropped", pdi + "x" + pdf, "x"},
        {"an isolate closes what it holds", rli + "a" + rlo + "b" + pdi + "c", rli + "a" + rlo + "b" + pdi + "c"},
        {"1,000 characters are shown whole", Repeat("x", 1000), Repeat("x", 1000)},
        {"longer: cut to 200", Repeat("x", 1001), Repeat("x", 200) + "…"},
        {"characters, not bytes", Repeat("柱", 1001), Repeat("柱", 200) + "…"},
    };
    for (const Case& c : cases) {
        ExampleBay named = kWorked;
        named.name = c.typed.c_str();
        const Element sheet = Sheet({named}, c.typed);
        EXPECT_EQ(sheet.All("i").size(), 0u) << c.why;
        EXPECT_EQ(sheet.All("title")[0]->text, "\u2068" + c.shown + "\u2069 柱间支撑计算书") << c.why;
        int isolated = 0;  // the heading table, the summary, the bay's page
        for (const Element* bdi : sheet.All("bdi")) {
            isolated += bdi->text == c.shown;
        }
        EXPECT_EQ(isolated, 3) << c.why;
        EXPECT_EQ(Rows(sheet, "meta")[0], "工程名称|" + c.shown) << c.why;
    }
    const Element sheet = Sheet({kWorked});
    EXPECT_EQ(Rows(sheet, "meta"), (std::vector<std::string>{"工程名称|P", "输入文件|bays.csv", "计算日期|2024-05-31",
                                                            "计算程序|柱间支撑计算(验算)程序 bracing-check V9.99"}));
}

TEST(Sheet, EachPageHoldsEveryInputAsTypedEveryCriterionWithItsClauseAndTheSketch) {
    ExampleBay typed = kTooLight;  // the value read is the text shown, not a rounding of it
    typed.cells[0] = " 6.0 ";
    typed.cells[2] = "2.0004";
    typed.cells[3] = "0.0004";
    typed.cells[4] = "3e1";
    ExampleBay q355 = kWorked;
    q355.grade = SteelGrade::Q355;
    ExampleBay hopeless = kWorked;
    hopeless.cells[4] = "100000";  // W, kN: no angle passes, and a long load label
    ExampleBay edge = kWorked;     // L80x5: w/t = 14 exactly, at the edge of 7.6.3
    edge.b_mm = 80;
    edge.t_mm = 5;
    ExampleBay sliver = kWorked;
    sliver.cells[1] = "240";
    const std::vector<std::string> kInputs = {"H|柱撑高度|6|m", "B|柱撑宽度|8|m", "n|纵向榀数|2|",
                                              "T|吊车刹车力|20|kN", "W|风荷载合力|30|kN"};
    const std::vector<std::string> kLimits = {
        "|钢号|Q235|", "|设计方法|自动（取满足要求且每米质量较轻者，相同时按压杆）|", "|吊车|非重级工作制|",
        "[λ]|拉杆容许长细比|300|", "[λ]|压杆容许长细比|150（N2 ≤ 50% 稳定承载力时取 200，7.4.6 第 2 款）|"};
    std::vector<std::string> q355Limits = kLimits;
    q355Limits[0] = "|钢号|Q355|";
    const auto inputs = [&](std::vector<std::string> rows, std::vector<std::string> more) {
        rows.insert(rows.begin(), "基本数据");
        rows.insert(rows.end(), more.begin(), more.end());
        return rows;
    };
    struct Case {
        const char* why;
        ExampleBay bay;
        std::vector<std::string> inputRows;
        std::vector<std::string> texts;  // on the page, in its text
        bool relieved;                   // lambda2 against 200 by 7.4.6 item 2
    };
    const Case cases[] = {
        {"worked by hand: the lightest passing angles and the lighter ones that fail", kWorked,
         inputs(kInputs, kLimits),
         {"N1 = L·P/B= 10.000 × 25.000 / 8.000= 31.250 kN", "Lx1 = Lx2 = 0.5·L= 0.5 × 10.000= 5.000 m7.4.2",
          "P = (|W| + |T|)/n= (|30.000| + |20.000|) / 2.000= 25.000 kN",
          "λy = 100·Ly1/ix= 100 × 10.000 / 3.414= 292.9", "λy = 100·Ly2/ix= 100 × 7.000 / 4.685= 149.4",
          "εk = √(235/fy)= √(235 / 235)= 1.000", "b 类（表 7.2.1-1）：α1 = 0.65",
          "ρ = 1.3 − 0.3·(w/t)/(14εk)= 1.3 − 0.3 × 16.75 / (14 × 1.000)= 0.941",
          // 7.6.2: lambda_u 1000 / 4.685 = 213.4, lambda_e 276.1, 0.375 x 276.1 under 0.5 x 213.4.
          "λu = (100·L/ix)/εk= (100 × 10.000 / 4.685) / 1.000= 213.4",
          "λe = 20 + 1.2·λu（λu > 160）= 20 + 1.2 × 213.4= 276.1",
          "λ0 = αe·μu·λe ≥ (l1/l)·λu= max(0.75 × 0.5 × 276.1, 0.5 × 213.4)= 106.77.6.2（取下限）",
          "λφ = max(λ2, λ0·εk)= max(166.1, 106.7 × 1.000)= 166.1",
          "N2/(η·ρ·φ·A·f) = σ2/f= 31.81 / 215.00= 0.148 ≤ 0.57.4.6 第 2 款：[λ] 取 200",
          "采用的设计：按拉杆设计，L110x7，11.900 kg/m，比值 0.976（OK）", "采用：按拉杆设计",
          "L110x7（自动选择） 满足要求（OK），长细比控制，比值 0.976", "次轻的 L80x10 不满足：长细比",
          "供参考：按压杆设计", "次轻的 L100x12 不满足：长细比"}, true},
        {"typed inputs are shown as typed", typed,
         inputs({"H|柱撑高度|6.0|m", "B|柱撑宽度|8|m", "n|纵向榀数|2.0004|", "T|吊车刹车力|0.0004|kN",
                 "W|风荷载合力|3e1|kN"},
                kLimits),
         {"L63x6 不满足要求（NG），长细比控制，比值 1.728", "采用的设计：无。"}, false},
        {"Q355: class a", q355, inputs(kInputs, q355Limits),
         {"a 类（表 7.2.1-1）：α1 = 0.41", "εk = √(235/fy)= √(235 / 355)= 0.814"}, true},
        {"no angle passes: the last one tried, and why", hopeless,
         inputs({kInputs[0], kInputs[1], kInputs[2], kInputs[3], "W|风荷载合力|100000|kN"}, kLimits),
         {"按拉杆设计，可选的角钢中没有满足要求的（NG）", "最后试算的 L250x35 不满足：强度 σ1 = ",
          "> 0.85·f = 174.25 N/mm²", "σ1 = 1000·N1/(100·A)= 1000 × 62512.500 / (100 × 163.403)= 3825.66 N/mm²"},
         false},
        {"w/t at 14εk takes ρ = 1", edge, inputs(kInputs, kLimits), {"ρ = 1（w/t ≤ 14εk）= 14.00 ≤ 14 × 1.000"}, false},
        {"a sliver, not to scale", sliver, inputs({kInputs[0], "B|柱撑宽度|240|m", kInputs[2], kInputs[3], kInputs[4]}, kLimits),
         {"柱撑示意图（过于细长，未按比例）"}, false},
        {"trial section: the dialog's inputs", kTrial,
         inputs(kInputs, {"A|验算截面积|12|cm²", "i|验算回转半径|3|cm"}), {"λn = λ/93.014= 233.3 / 93.014= 2.509附录 D", "u = φ(λn)，b 类= 0.1403附录 D", "P = (W + T)/n= (30.000 + 20.000) / 2.000= 25.000 kN"}, false},
    };
    // What a design case's criteria are judged by.
    const std::vector<std::string> kClauses = {"长细比 λ1 = max(λx, λy)|表 7.4.7", "强度 σ1|7.6.1",
                                               "长细比 λ2 = max(λx, λy)|表 7.4.6", "稳定 σ2|7.6.1、附录 D",
                                               "肢件宽厚比 w/t|7.3.1"};
    for (const Case& c : cases) {
        const bool design = c.bay.cells[5] == nullptr;
        const Element sheet = Sheet({c.bay}, "P", design);
        const Element* page = Page(sheet, c.bay.line);
        ASSERT_NE(page, nullptr) << c.why;
        EXPECT_EQ(Rows(*page, "inputs"), c.inputRows) << c.why;
        for (const std::string& text : c.texts) {
            EXPECT_NE(page->text.find(text), std::string::npos) << c.why << ": " << text;
        }
        std::vector<std::string> criteria;
        for (const Element* table : page->All("table", "criteria")) {
            for (const Element* row : table->All("tbody")[0]->All("tr")) {
                const std::string cells = row->Cells();
                criteria.push_back(cells.substr(0, cells.find('|')) + cells.substr(cells.rfind('|')));
            }
        }
        std::vector<std::string> clauses = kClauses;
        if (c.relieved) clauses[2] = "长细比 λ2 = max(λx, λy)|7.4.6 第 2 款";
        EXPECT_EQ(criteria, design ? clauses : std::vector<std::string>()) << c.why;
        ExpectLabelsInside(*page->All("svg")[0], c.why);
    }
    // Each value of a criterion, its limit and ratio, beside its clause.
    EXPECT_EQ(Rows(*Page(Sheet({kWorked}), 5), "criteria"),
              (std::vector<std::string>{"验算项目|计算值|限值|比值|结论|依据",
                                        "长细比 λ1 = max(λx, λy)|292.9|300|0.976|满足|表 7.4.7",
                                        "强度 σ1|20.56 N/mm²|182.75 N/mm²|0.113|满足|7.6.1"}));
}

TEST(Sheet, SketchIsDrawnToScaleWithItsDimensions) {
    struct Case {
        const char* H;
        const char* B;
        double heightOverWidth;  // as drawn
    };
    const Case cases[] = {
        {"12", "3", 4.0},  // a tall bay is tall
        {"3", "12", 0.25},
        {"6", "8", 0.75},
        {"1", "100", 1.0 / 30},  // a sliver would hide the diagonals
        {"100", "1", 30.0},
    };
    for (const Case& c : cases) {
        ExampleBay bay = kWorked;
        bay.cells[0] = c.H;
        bay.cells[1] = c.B;
        const Element sheet = Sheet({bay});
        const Element& svg = *sheet.All("svg")[0];
        const auto strut = Lines(svg, "strut")[0];
        const auto columns = Lines(svg, "column");
        EXPECT_NEAR((columns[0][1] - strut[1]) / (strut[2] - strut[0]), c.heightOverWidth, 0.01 * c.heightOverWidth)
            << c.H << "x" << c.B;
        EXPECT_NEAR((strut[0] + strut[2]) / 2, 190.0, 0.1) << "centred in its frame";
        // The load pushes on the top right node, from outside, through a triangular head.
        const auto load = Lines(svg, "load")[0];
        EXPECT_TRUE(std::min(load[0], load[2]) > strut[2] && load[1] == strut[1]) << c.H << "x" << c.B;
        double head[6];
        ASSERT_EQ(std::sscanf(svg.All("polygon")[0]->Attribute("points").c_str(), "%lf,%lf %lf,%lf %lf,%lf", &head[0],
                              &head[1], &head[2], &head[3], &head[4], &head[5]), 6);
        EXPECT_GT(std::abs((head[2] - head[0]) * (head[5] - head[1]) - (head[4] - head[0]) * (head[3] - head[1])), 50.0);
        // Each end of a dimension line has a 45° tick and an extension line through it.
        const auto ticks = Lines(svg, "tick");
        const auto dims = Lines(svg, "dim");
        int dimensions = 0;
        for (const auto& dim : dims) {
            if (dim[0] != dim[2] && dim[1] != dim[3]) {
                continue;
            }
            const bool vertical = dim[0] == dim[2];
            if (std::find_if(ticks.begin(), ticks.end(), [&](const std::vector<double>& t) {
                    return (t[0] + t[2]) / 2 == dim[0] && (t[1] + t[3]) / 2 == dim[1];
                }) == ticks.end()) {
                continue;  // an extension line
            }
            ++dimensions;
            for (int end = 0; end < 4; end += 2) {
                const double x = dim[end], y = dim[end + 1];
                EXPECT_TRUE(std::any_of(ticks.begin(), ticks.end(), [&](const std::vector<double>& t) {
                    return (t[0] + t[2]) / 2 == x && (t[1] + t[3]) / 2 == y && t[2] - t[0] == 8 && t[1] - t[3] == 8;
                })) << c.H << "x" << c.B << ": tick at " << x << "," << y;
                EXPECT_TRUE(std::any_of(dims.begin(), dims.end(), [&](const std::vector<double>& e) {
                    // ... which stays clear of the bay it measures
                    return vertical ? e[1] == y && e[3] == y && std::min(e[0], e[2]) < x && std::max(e[0], e[2]) > x &&
                                          std::max(e[0], e[2]) < strut[0]
                                    : e[0] == x && e[2] == x && std::min(e[1], e[3]) < y && std::max(e[1], e[3]) > y &&
                                          std::min(e[1], e[3]) > columns[0][1];
                })) << c.H << "x" << c.B << ": extension line through " << x << "," << y;
            }
            // Its label sits at its middle, beside it: left of H, written upwards; below B.
            const double middle = vertical ? (dim[1] + dim[3]) / 2 : (dim[0] + dim[2]) / 2;
            const auto labels = svg.All("text");
            EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](const Element* t) {
                return std::abs((vertical ? t->Number("y") : t->Number("x")) - middle) <= 0.1 &&
                       (vertical ? t->Number("x") < dim[0] && !t->Attribute("transform").empty()
                                 : t->Number("y") > dim[1]) &&
                       t->text.rfind(vertical ? "H = " : "B = ", 0) == 0;
            })) << c.H << "x" << c.B;
        }
        EXPECT_EQ(dimensions, 2) << c.H << "x" << c.B;  // H and B
    }
}

TEST(Sheet, SummaryListsEveryBayAndEveryLineLeftOut) {
    const std::string header = "bay,H,B,n,T,W,section\n";
    struct Case {
        const char* why;
        std::string input;
        std::vector<std::string> rows;  // the summary's body
        std::string count;
        bool incomplete;
        std::size_t pages;
    };
    const Case cases[] = {
        {"a refused bay has a line and no page; NG is marked, not only by colour",
         header + "ok,6,8,2,20,30,\nzero,0,8,2,20,30,\nng,6,8,2,20,30,L63x6\n",
         {"|2|ok|6|8|按拉杆|L110x7|0.976|OK", "|3|zero|0|8|参数不能为负数和零",
          "※|4|ng|6|8|无|||NG"},
         "共 3 行：满足 1 个，不满足 1 个（※，NG），未计算 1 个（参数有误，无计算页），未读入 0 行。", false, 2},
        {"rows of the wrong width and an unclosed quote: the lines standard error names",
         header + "ok,6,8,2,20,30,\nwide,6,8,2,20,30,,x\nzero,0,8,2,20,30,\n\"open,6,8,2,20,30,\nx,6,8,2,20,30,\ny,6,8,2,20,30,\n",
         {"|2|ok|6|8|按拉杆|L110x7|0.976|OK", "※|3|未读入：8 fields where the header has 7; row left out",
          "|4|zero|0|8|参数不能为负数和零",
          "※|5 至 7|未读入：the quote that opens field 1 (bay) is never closed; lines 5 to 7 are left out"},
         "共 6 行：满足 1 个，不满足 0 个（※，NG），未计算 1 个（参数有误，无计算页），未读入 4 行。", true, 1},
        {"A and i typed: the dialog's results", "bay,H,B,n,T,W,A,i\nt,6,8,2,20,30,12,3\n,6,8\n",
         {"|2|t|6|8|31.250|26.04|0.1403|92.81", "※|3|未读入：3 fields where the header has 8; row left out"},
         "共 2 行：已计算 1 个，未计算 0 个（参数有误，无计算页），未读入 1 行。", true, 1},
    };
    for (const Case& c : cases) {
        std::FILE* file = std::tmpfile();
        std::FILE* spool = std::tmpfile();
        HtmlSheet html(file, spool);
        ReportSink sink(html, ReportHeading());
        CheckOptions options;
        options.sheet = &sink;
        CheckText(c.input, options);
        std::fclose(spool);
        const Element sheet = ParseSheet(ReadBack(file));
        const auto summary = sheet.All("table", "summary");
        ASSERT_EQ(summary.size(), 1u) << c.why;
        std::vector<std::string> rows;
        for (const Element* row : summary[0]->All("tbody")[0]->All("tr")) {
            rows.push_back(row->Cells());
        }
        EXPECT_EQ(rows, c.rows) << c.why;
        EXPECT_EQ(sheet.All("p", "count")[0]->text, c.count) << c.why;
        EXPECT_EQ(sheet.All("p", "incomplete").size(), c.incomplete ? 1u : 0u) << c.why;
        EXPECT_EQ(sheet.All("section", "bay").size(), c.pages) << c.why;  // the bay refused or left out has none
        EXPECT_EQ(sheet.All("p", "scope-line").size(), c.pages) << c.why;
    }
}

TEST(Sheet, TrialSectionPageShowsTheDialogsFifteenResults) {
    PreparedBay trial;
    Prepare(kTrial, trial);
    const Element* page = Page(Sheet({kTrial}, "P", false), kTrial.line);
    ASSERT_NE(page, nullptr);
    for (const ResultRow& row : kResultRows) {
        const std::string unit = *row.unit == '\0' ? "" : " " + UnitText(row.unit);
        // The dialog's own text, its padding dropped.
        const ResultText shown = FormatResultRow(row, trial.bay.results);
        const std::string result = "= " + std::string(shown.chars + std::strspn(shown.chars, " ")) + unit;
        EXPECT_NE(page->text.find(result), std::string::npos) << row.symbol;
    }
}

TEST(Sheet, EveryPageComesThroughTheSpoolAndAFailedWriteIsReported) {
    const Element sheet = Sheet(std::vector<ExampleBay>(40, kWorked));  // far more than one copy block
    EXPECT_EQ(sheet.All("section", "bay").size(), 40u);
    EXPECT_EQ(sheet.All("section", "closing").size(), 1u);
    const char* const path = "sheet_read_only.tmp";
    std::FILE* made = std::fopen(path, "wb");
    ASSERT_TRUE(made != nullptr && std::fclose(made) == 0);
    std::FILE* readOnly = std::fopen(path, "rb");  // no write gets through
    std::FILE* spool = std::tmpfile();
    ASSERT_TRUE(readOnly != nullptr && spool != nullptr);
    EXPECT_FALSE(HtmlSheet(readOnly, spool).Finish(kScopeInFull));
    std::fclose(readOnly);
    std::fclose(spool);
    std::remove(path);
}

TEST(DesignTexts, ColumnsAndCells) {
    std::string names;
    for (const auto& column : kTensionColumns) {
        names += std::string(column.name) + ",";
    }
    for (const auto& column : kCompressionColumns) {
        names += std::string(column.name) + ",";
    }
    for (const auto& column : kAdoptedColumns) {
        names += std::string(column.name) + ",";
    }
    EXPECT_EQ(names, "section1,lambda1,limit1,stress1,ratio1,ok1,section2,lambda2,limit2,lambda_phi2,"
                     "phi2,eta2,rho2,stress2,ratio2,ok2,adopted,adopted_section,mass,ok,");

    const SectionFamily& angles = FamilyOf(SectionFamilyId::EqualAngle);
    const Section& l63x6 = *angles.find(63, 6);
    BracingResults bay;
    ASSERT_TRUE(ComputeBracing(BracingInputs{6, 8, 2, 20, 30, 0, 0}, bay));
    const DesignCheck check =
        angles.check(DesignCaseKind::Compression, bay, l63x6, SteelGrade::Q235, AllowableSlenderness{150, false});
    std::string cells, empty;
    for (const auto& column : kCompressionColumns) {
        cells += DesignCellText(column, &l63x6, check) + ",";
        empty += DesignCellText(column, nullptr, check) + ",";
    }
    EXPECT_EQ(cells, "L63x6,403.3,150,403.3,0.050,1.000,1.000,431.53,2.688,NG,");
    EXPECT_EQ(empty, ",,,,,,,,,NG,");  // no angle passes
    // The adopted design's cells: the mass as GB/T 706 prints it, to three
    // decimals; all empty but ok when nothing is adopted.
    BayDesign design;
    design.tension.section = &l63x6;
    design.tension.check.ok = true;
    std::string adopted, none;
    for (const auto& column : kAdoptedColumns) {
        design.adopted = AdoptedCase::Tension;
        column.append(adopted += ",", design);
        design.adopted = AdoptedCase::None;
        column.append(none += ",", design);
    }
    EXPECT_EQ(adopted, ",tension,L63x6,5.720,OK");
    EXPECT_EQ(none, ",,,,NG");
}
