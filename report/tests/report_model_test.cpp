#include "report/csv/tests/checked_text.h"
#include "report/core_steps.h"
#include "report/report_numbers.h"
#include "report/tests/report_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numeric>
#include <string>

namespace {

const ExampleBay kTooLight = {2, "A-1", {"6", "8", "2", "20", "30"}, 63, 6, SteelGrade::Q235};
const ExampleBay kTrial = {3, "T", {"6", "8", "2", "20", "30", "12", "3"}, 0, 0, SteelGrade::Q235};

BayPage PageOf(const ExampleBay& bay) {
    KeptReport kept;
    EXPECT_TRUE(Report(kept, {bay}, bay.cells[5] == nullptr));
    EXPECT_EQ(kept.pages.size(), 1u);
    return kept.pages.empty() ? BayPage() : kept.pages[0];
}

// "formula = numbers = result unit（clause）", as a reviewer reads a step.
std::string StepLine(const Step& s) {
    return s.formula + (s.numbers.empty() ? "" : " = " + s.numbers) + " = " + s.result +
           (s.unit.empty() ? "" : " " + s.unit) + (s.clause.empty() ? "" : "（" + s.clause + "）");
}

// Every step, heading, conclusion and note of the page, a line each.
std::string PageText(const BayPage& page) {
    std::string text = std::string(page.sketch.caption) + "\n";
    for (const Step& s : page.steps) {
        text += StepLine(s) + "\n";
    }
    text += page.adopted.text + "\n";
    for (const CaseReport& c : page.cases) {
        text += c.title + "\n";
        for (const auto* part : {&c.lead, &c.closing}) {
            for (const Paragraph& p : *part) {
                text += p.text + "\n";
            }
        }
        for (const Step& s : c.steps) {
            text += StepLine(s) + "\n";
        }
    }
    return text;
}

std::vector<std::string> InputRows(const BayPage& page) {
    std::vector<std::string> rows;
    std::transform(page.inputs.begin(), page.inputs.end(), std::back_inserter(rows), [](const InputRow& row) {
        return row.symbol + "|" + row.name + "|" + row.value.text + "|" + row.unit;
    });
    return rows;
}

std::vector<std::string> CriteriaRows(const CaseReport& c) {
    std::vector<std::string> rows;
    std::transform(c.criteria.begin(), c.criteria.end(), std::back_inserter(rows), [](const CriterionRow& r) {
        return r.item + "|" + r.value + "|" + r.limit + "|" + r.ratio + "|" + r.verdict + "|" + r.clause;
    });
    return rows;
}

// Every label lies inside the drawing, its length estimated at 0.6 em a
// Latin character and 1 em a Chinese one (or as squeezed).
void ExpectLabelsInside(const Sketch& sketch, const std::string& why) {
    constexpr double kFont = 14.0;  // px, as the style sheet sets it
    for (const SketchMark& label : sketch.marks) {
        if (label.kind != MarkKind::Label) {
            continue;
        }
        const double length =
            label.squeezed ? label.fitLength
                           : std::accumulate(label.text.begin(), label.text.end(), 0.0, [](double sum, char c) {
                                 return sum + ((c & 0xC0) == 0x80 ? 0.0 : (c & 0x80) ? kFont : 0.6 * kFont);
                             });
        const std::string anchor = label.anchor;
        const double before = anchor == "middle" ? length / 2 : anchor == "end" ? length : 0.0;
        const double x = label.x[0], y = label.y[0];
        const double left = label.upwards ? x - kFont : x - before;
        const double right = label.upwards ? x : x - before + length;
        const double top = label.upwards ? y - length + before : y - kFont;
        const double bottom = label.upwards ? y + before : y;
        EXPECT_TRUE(left >= 0 && right <= sketch.width && top >= 0 && bottom <= sketch.height)
            << why << ": " << label.text << " spans x " << left << " to " << right << ", y " << top << " to " << bottom;
    }
}

// The lines of `style`, as x1 y1 x2 y2.
std::vector<std::vector<double>> Lines(const Sketch& sketch, const std::string& style) {
    std::vector<std::vector<double>> lines;
    for (const SketchMark& m : sketch.marks) {
        if (m.kind == MarkKind::Line && m.style == style) {
            lines.push_back({m.x[0], m.y[0], m.x[1], m.y[1]});
        }
    }
    return lines;
}

}  // namespace

TEST(ReportModel, EachPageHoldsEveryInputAsTypedEveryStepAndEveryCriterionWithItsClause) {
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
    const auto inputs = [](std::vector<std::string> rows, const std::vector<std::string>& more) {
        rows.insert(rows.end(), more.begin(), more.end());
        return rows;
    };
    struct Case {
        const char* why;
        ExampleBay bay;
        std::vector<std::string> inputRows;
        std::vector<std::string> texts;  // steps, headings, conclusions and notes
        bool relieved;                   // lambda2 against 200 by 7.4.6 item 2
    };
    const Case cases[] = {
        {"worked by hand: the lightest passing angles and the lighter ones that fail", kWorked,
         inputs(kInputs, kLimits),
         {"N1 = L·P/B = 10.000 × 25.000 / 8.000 = 31.250 kN\n", "Lx1 = Lx2 = 0.5·L = 0.5 × 10.000 = 5.000 m（7.4.2）\n",
          "Ly1 = L = 10.000 m（7.4.2）\n", "P = (|W| + |T|)/n = (|30.000| + |20.000|) / 2.000 = 25.000 kN\n",
          "λy = 100·Ly1/ix = 100 × 10.000 / 3.414 = 292.9（7.4.7）\n",
          "λy = 100·Ly2/ix = 100 × 7.000 / 4.685 = 149.4（7.4.6）\n", "εk = √(235/fy) = √(235 / 235) = 1.000\n",
          "= b 类（表 7.2.1-1）：α1 = 0.65，α2 = 0.965，α3 = 0.300，λn = ",
          "ρ = 1.3 − 0.3·(w/t)/(14εk) = 1.3 − 0.3 × 16.75 / (14 × 1.000) = 0.941（7.6.3）\n",
          // 7.6.2: lambda_u 1000 / 4.685 = 213.4, lambda_e 276.1, 0.375 x 276.1 under 0.5 x 213.4.
          "λu = (100·L/ix)/εk = (100 × 10.000 / 4.685) / 1.000 = 213.4（7.6.2）\n",
          "λe = 20 + 1.2·λu（λu > 160） = 20 + 1.2 × 213.4 = 276.1（7.6.2）\n",
          "λ0 = αe·μu·λe ≥ (l1/l)·λu = max(0.75 × 0.5 × 276.1, 0.5 × 213.4) = 106.7（7.6.2（取下限））\n",
          "λφ = max(λ2, λ0·εk) = max(166.1, 106.7 × 1.000) = 166.1（7.6.2）\n",
          "N2/(η·ρ·φ·A·f) = σ2/f = 31.81 / 215.00 = 0.148 ≤ 0.5（7.4.6 第 2 款：[λ] 取 200）\n",
          "采用的设计：按拉杆设计，L110x7，11.900 kg/m，比值 0.976（OK）。设计方法：自动", "\n采用：按拉杆设计\n",
          "结论：按拉杆设计，L110x7（自动选择） 满足要求（OK），长细比控制，比值 0.976。\n",
          "次轻的 L80x10 不满足：长细比 λ1 = max(λx, λy) = ", "\n供参考：按压杆设计\n", "次轻的 L100x12 不满足：长细比"},
         true},
        {"typed inputs are shown as typed", typed,
         inputs({"H|柱撑高度|6.0|m", "B|柱撑宽度|8|m", "n|纵向榀数|2.0004|", "T|吊车刹车力|0.0004|kN",
                 "W|风荷载合力|3e1|kN"},
                kLimits),
         {"结论：按拉杆设计，L63x6 不满足要求（NG），长细比控制，比值 1.728。\n", "采用的设计：无。", "\n按拉杆设计\n"},
         false},
        {"Q355: class a", q355, inputs(kInputs, q355Limits),
         {"a 类（表 7.2.1-1）：α1 = 0.41", "εk = √(235/fy) = √(235 / 355) = 0.814\n"}, true},
        {"no angle passes: the last one tried, and why", hopeless,
         inputs({kInputs[0], kInputs[1], kInputs[2], kInputs[3], "W|风荷载合力|100000|kN"}, kLimits),
         {"结论：按拉杆设计，可选的角钢中没有满足要求的（NG）。\n", "最后试算的 L250x35 不满足：强度 σ1 = ",
          "> 0.85·f = 174.25 N/mm²（比值 ", "σ1 = 1000·N1/(100·A) = 1000 × 62512.500 / (100 × 163.403) = 3825.66 N/mm²"},
         false},
        {"w/t at 14εk takes ρ = 1", edge, inputs(kInputs, kLimits),
         {"ρ = 1（w/t ≤ 14εk） = 14.00 ≤ 14 × 1.000 = 14.00"}, false},
        {"a sliver, not to scale", sliver, inputs({kInputs[0], "B|柱撑宽度|240|m", kInputs[2], kInputs[3], kInputs[4]}, kLimits),
         {"柱撑示意图（过于细长，未按比例）\n"}, false},
        {"trial section: the dialog's inputs and its sum of the forces as typed", kTrial,
         inputs(kInputs, {"A|验算截面积|12|cm²", "i|验算回转半径|3|cm"}),
         {"λn = λ/93.014 = 233.3 / 93.014 = 2.509（附录 D）\n", "u = φ(λn)，b 类 = 0.1403（附录 D）\n",
          "P = (W + T)/n = (30.000 + 20.000) / 2.000 = 25.000 kN\n"},
         false},
    };
    // What a design case's criteria are judged by.
    const std::vector<std::string> kClauses = {"长细比 λ1 = max(λx, λy)|表 7.4.7", "强度 σ1|7.6.1",
                                               "长细比 λ2 = max(λx, λy)|表 7.4.6", "稳定 σ2|7.6.1、附录 D",
                                               "肢件宽厚比 w/t|7.3.1"};
    for (const Case& c : cases) {
        const BayPage page = PageOf(c.bay);
        EXPECT_EQ(page.anchor, "bay-" + std::to_string(c.bay.line)) << c.why;
        EXPECT_EQ(InputRows(page), c.inputRows) << c.why;
        const std::string text = PageText(page);
        for (const std::string& expected : c.texts) {
            EXPECT_NE(text.find(expected), std::string::npos) << c.why << ": " << expected << "\nin\n" << text;
        }
        std::vector<std::string> criteria;
        for (const CaseReport& dc : page.cases) {
            for (const CriterionRow& r : dc.criteria) {
                criteria.push_back(r.item + "|" + r.clause);
                EXPECT_EQ(r.ok, r.verdict == std::string("满足")) << c.why << ": " << r.item;
            }
        }
        std::sort(criteria.begin(), criteria.end());  // the adopted case comes first
        std::vector<std::string> clauses = kClauses;
        if (c.relieved) clauses[2] = "长细比 λ2 = max(λx, λy)|7.4.6 第 2 款";
        std::sort(clauses.begin(), clauses.end());
        EXPECT_EQ(criteria, page.design ? clauses : std::vector<std::string>()) << c.why;
        ExpectLabelsInside(page.sketch, c.why);
    }
    // Each value of a criterion, its limit and ratio, beside its clause; NG where the ratio passes 1.
    const BayPage worked = PageOf(kWorked);
    EXPECT_EQ(CriteriaRows(worked.cases[0]),
              (std::vector<std::string>{"长细比 λ1 = max(λx, λy)|292.9|300|0.976|满足|表 7.4.7",
                                        "强度 σ1|20.56 N/mm²|182.75 N/mm²|0.113|满足|7.6.1"}));
    EXPECT_EQ(CriteriaRows(PageOf(kTooLight).cases[1]),
              (std::vector<std::string>{"长细比 λ2 = max(λx, λy)|403.3|150|2.688|不满足|表 7.4.6",
                                        "稳定 σ2|431.53 N/mm²|215.00 N/mm²|2.007|不满足|7.6.1、附录 D",
                                        "肢件宽厚比 w/t|8.50|55.41|0.153|满足|7.3.1"}));  // 5εk + 0.125·λx
    EXPECT_EQ(worked.properties[0].cells.size(), 8u);
    EXPECT_EQ(worked.properties[0].cells[0].text + "|" + worked.properties[0].cells[6].text + "|" +
                  worked.properties[0].cells[7].text,
              "L110x7|11.9|自动选择");  // the mass as the table prints it
    EXPECT_TRUE(PageOf(hopeless).properties[0].cells.empty());  // no angle passes
    ExampleBay past = kWorked;  // L110x7 just past its limit: 301.6 against 300 is NG
    past.cells[0] = "6.483";
    past.b_mm = 110;
    past.t_mm = 7;
    const BayPage page = PageOf(past);
    EXPECT_EQ(CriteriaRows(page.cases[page.cases[0].title.find("拉杆") != std::string::npos ? 0 : 1])[0],
              "长细比 λ1 = max(λx, λy)|301.6|300|1.005|不满足|表 7.4.7");
}

TEST(ReportModel, TrialSectionPageShowsTheDialogsFifteenResults) {
    PreparedBay trial;
    Prepare(kTrial, trial);
    const std::string text = PageText(PageOf(kTrial));
    for (const ResultRow& row : kResultRows) {
        const std::string unit = *row.unit == '\0' ? "" : " " + UnitText(row.unit);
        EXPECT_NE(text.find(" = " + ResultNumber(row, trial.bay.results) + unit), std::string::npos) << row.symbol;
    }
}

TEST(ReportModel, SketchIsDrawnToScaleWithItsDimensions) {
    struct Case {
        const char* H;
        const char* B;
        double heightOverWidth;  // as drawn
        const char* caption;
    };
    const Case cases[] = {
        {"12", "3", 4.0, "柱撑示意图（按比例）"},  // a tall bay is tall
        {"3", "12", 0.25, "柱撑示意图（按比例）"},
        {"1", "30", 1.0 / 30, "柱撑示意图（按比例）"},
        {"30", "1", 30.0, "柱撑示意图（按比例）"},  // both ends of the ratio still to scale
        {"1", "100", 1.0 / 30, "柱撑示意图（过于细长，未按比例）"},  // a sliver would hide the diagonals
        {"100", "1", 30.0, "柱撑示意图（过于细长，未按比例）"},
    };
    for (const Case& c : cases) {
        ExampleBay bay = kWorked;
        bay.cells[0] = c.H;
        bay.cells[1] = c.B;
        const Sketch sketch = PageOf(bay).sketch;
        const std::string why = std::string(c.H) + "x" + c.B;
        EXPECT_EQ(sketch.caption, std::string(c.caption)) << why;
        const auto strut = Lines(sketch, "strut")[0];
        const auto columns = Lines(sketch, "column");
        EXPECT_NEAR((columns[0][1] - strut[1]) / (strut[2] - strut[0]), c.heightOverWidth, 0.01 * c.heightOverWidth) << why;
        EXPECT_NEAR((strut[0] + strut[2]) / 2, 190.0, 0.1) << "centred in its frame";
        // The load pushes on the top right node, from outside, through a triangular head.
        const auto load = Lines(sketch, "load")[0];
        EXPECT_TRUE(std::min(load[0], load[2]) > strut[2] && load[1] == strut[1]) << why;
        const auto head = std::find_if(sketch.marks.begin(), sketch.marks.end(),
                                       [](const SketchMark& m) { return m.kind == MarkKind::Polygon; });
        ASSERT_NE(head, sketch.marks.end());
        EXPECT_GT(std::abs((head->x[1] - head->x[0]) * (head->y[2] - head->y[0]) -
                           (head->x[2] - head->x[0]) * (head->y[1] - head->y[0])), 50.0);
        EXPECT_EQ(head->x[0], strut[2] + 4.0) << why << ": its tip at the node";
        const auto near = [](double a, double b) { return std::abs(a - b) < 1e-9; };
        // Each end of a dimension line has a 45° tick and an extension line through it.
        const auto ticks = Lines(sketch, "tick");
        const auto dims = Lines(sketch, "dim");
        int dimensions = 0;
        for (const auto& dim : dims) {
            if (std::none_of(ticks.begin(), ticks.end(), [&](const std::vector<double>& t) {
                    return near((t[0] + t[2]) / 2, dim[0]) && near((t[1] + t[3]) / 2, dim[1]);
                })) {
                continue;  // an extension line
            }
            ++dimensions;
            const bool vertical = dim[0] == dim[2];
            for (int end = 0; end < 4; end += 2) {
                const double x = dim[end], y = dim[end + 1];
                EXPECT_TRUE(std::any_of(ticks.begin(), ticks.end(), [&](const std::vector<double>& t) {
                    return near((t[0] + t[2]) / 2, x) && near((t[1] + t[3]) / 2, y) && near(t[2] - t[0], 8) && near(t[1] - t[3], 8);
                })) << why << ": tick at " << x << "," << y;
                EXPECT_TRUE(std::any_of(dims.begin(), dims.end(), [&](const std::vector<double>& e) {
                    // ... which runs from the bay it measures, a little past the dimension line
                    return vertical ? near(e[1], y) && near(e[3], y) && near(std::min(e[0], e[2]), x - 6) &&
                                          std::max(e[0], e[2]) < strut[0] && std::max(e[0], e[2]) >= strut[0] - 24
                                    : near(e[0], x) && near(e[2], x) && near(std::max(e[1], e[3]), y + 6) &&
                                          near(std::min(e[1], e[3]), columns[0][1] + 4);
                })) << why << ": extension line through " << x << "," << y;
            }
            // Its label sits at its middle, beside it: left of H, written upwards; below B.
            const double middle = vertical ? (dim[1] + dim[3]) / 2 : (dim[0] + dim[2]) / 2;
            EXPECT_TRUE(std::any_of(sketch.marks.begin(), sketch.marks.end(), [&](const SketchMark& t) {
                return t.kind == MarkKind::Label && std::abs((vertical ? t.y[0] : t.x[0]) - middle) <= 0.1 &&
                       (vertical ? t.x[0] < dim[0] && t.upwards : t.y[0] > dim[1] && !t.upwards) &&
                       t.text.rfind(vertical ? "H = " : "B = ", 0) == 0;
            })) << why;
        }
        EXPECT_EQ(dimensions, 2) << why;  // H and B
    }
    // The load as each check takes it: the design both forces the same way, the dialog as typed.
    ExampleBay opposed = kWorked;
    opposed.cells[3] = "-20";
    ExampleBay trial = kTrial;
    trial.cells[3] = "-20";
    for (const auto& c : {std::make_pair(opposed, "|T|+|W| = 50.000 kN"), std::make_pair(trial, "T+W = 10.000 kN")}) {
        const Sketch sketch = PageOf(c.first).sketch;
        EXPECT_TRUE(std::any_of(sketch.marks.begin(), sketch.marks.end(),
                                [&](const SketchMark& m) { return m.text == c.second; })) << c.second;
    }
}

TEST(ReportModel, SummaryListsEveryBayAndEveryLineLeftOut) {
    const std::string header = "bay,H,B,n,T,W,section\n";
    struct Case {
        const char* why;
        std::string input;
        std::vector<std::string> rows;  // mark|lines|title|H|B|results|note
        std::string count;
        bool incomplete;
        std::size_t pages;
    };
    const Case cases[] = {
        {"a refused bay has a line and no page; NG is marked, not only by colour",
         header + "ok,6,8,2,20,30,\nzero,0,8,2,20,30,\nng,6,8,2,20,30,L63x6\n",
         {"|2|ok|6|8|按拉杆|L110x7|0.976|OK", "|3|zero|0|8|参数不能为负数和零", "※|4|ng|6|8|无|||NG"},
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
        KeptReport kept;
        ReportSink sink(kept, ReportHeading());
        CheckOptions options;
        options.sheet = &sink;
        CheckText(c.input, options);
        std::vector<std::string> rows;
        std::size_t linked = 0;
        for (const SummaryRow& row : kept.rows) {
            std::string line = std::string(row.marked ? "※" : "") + "|" + row.lines;
            if (row.bay) {
                line += "|" + row.title.text + "|" + row.H + "|" + row.B;
                linked += !row.anchor.empty();
            }
            for (const Cell& cell : row.results) {
                line += "|" + cell.text;
            }
            if (row.noteColumns > 0) {
                line += "|" + std::string(row.notePrefix) + row.note;
                // The note spans what the line does not show: the results, and for lines not read the bay too.
                EXPECT_EQ(row.noteColumns, 4 + (row.bay ? 0 : 3)) << c.why;
            }
            rows.push_back(line);
        }
        EXPECT_EQ(rows, c.rows) << c.why;
        EXPECT_EQ(kept.end.count, c.count) << c.why;
        EXPECT_EQ(!kept.end.incomplete.empty(), c.incomplete) << c.why;
        EXPECT_EQ(kept.pages.size(), c.pages) << c.why;  // the bay refused or left out has none
        EXPECT_EQ(linked, c.pages) << c.why;
        EXPECT_TRUE(kept.finished) << c.why;
    }
}
