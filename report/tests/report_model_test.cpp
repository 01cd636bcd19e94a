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

// The property table's head and each case's row, as "a|b|c".
std::vector<std::string> PropertyRows(const BayPage& page) {
    std::vector<std::string> rows = {""};
    for (int k = 0; k < page.propertyColumnCount; ++k) {
        rows[0] += (k == 0 ? "" : "|") + std::string(page.propertyColumns[k]);
    }
    for (const PropertyRow& row : page.properties) {
        std::string line = row.design;
        for (const Cell& cell : row.cells) line += "|" + cell.text;
        rows.push_back(row.cells.empty() ? line + "|" + row.missing : line);
    }
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
    ExampleBay q355 = kWorked;  // as a strut, whose steps show the curve
    q355.grade = SteelGrade::Q355;
    q355.method = DesignMethod::Compression;
    ExampleBay hopeless = kWorked;
    hopeless.cells[4] = "100000";  // W, kN: no angle passes, and a long load label
    ExampleBay edge = kWorked;     // L80x5: w/t = 14 exactly, at the edge of 7.6.3
    edge.b_mm = 80;
    edge.t_mm = 5;
    ExampleBay sliver = kWorked;
    sliver.cells[1] = "240";
    ExampleBay strut = kWorked;  // the same bay designed as a strut: L150x8's steps are the adopted ones
    strut.method = DesignMethod::Compression;
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
          "采用的设计：按拉杆设计，L110x7，11.900 kg/m，比值 0.976（OK）。设计方法：自动", "\n采用：按拉杆设计\n",
          "结论：按拉杆设计，L110x7（自动选择） 满足要求（OK），长细比控制，比值 0.976。\n",
          "次轻的 L80x10 不满足：长细比 λ1 = max(λx, λy) = ", "\n供参考：按压杆设计\n",
          // The case not adopted: its criteria and conclusion, not its steps.
          "\n供参考：按压杆设计\n此工况仅供比较，只列验算结果，计算过程从略。\n结论：按压杆设计，L150x8",
          "次轻的 L100x12 不满足：长细比"},
         true},
        {"worked by hand as a strut: L150x8, its steps adopted", strut,
         inputs(kInputs, {kLimits[0], "|设计方法|按压杆设计|", kLimits[2], kLimits[3], kLimits[4]}),
         {"λy = 100·Ly2/ix = 100 × 7.000 / 4.685 = 149.4（7.4.6）\n", "εk = √(235/fy) = √(235 / 235) = 1.000\n",
          "= b 类（表 7.2.1-1）：α1 = 0.65，α2 = 0.965，α3 = 0.300，λn = ",
          "ρ = 1.3 − 0.3·(w/t)/(14εk) = 1.3 − 0.3 × 16.75 / (14 × 1.000) = 0.941（7.6.3）\n",
          // 7.6.2: lambda_u 1000 / 4.685 = 213.4, lambda_e 276.1, 0.375 x 276.1 under 0.5 x 213.4.
          "λu = (100·L/ix)/εk = (100 × 10.000 / 4.685) / 1.000 = 213.4（7.6.2）\n",
          "λe = 20 + 1.2·λu（λu > 160） = 20 + 1.2 × 213.4 = 276.1（7.6.2）\n",
          "λ0 = αe·μu·λe ≥ (l1/l)·λu = max(0.75 × 0.5 × 276.1, 0.5 × 213.4) = 106.7（7.6.2（取下限））\n",
          "λφ = max(λ2, λ0·εk) = max(166.1, 106.7 × 1.000) = 166.1（7.6.2）\n",
          "N2/(η·ρ·φ·A·f) = σ2/f = 31.81 / 215.00 = 0.148 ≤ 0.5（7.4.6 第 2 款：[λ] 取 200）\n",
          "\n采用：按压杆设计\n", "\n供参考：按拉杆设计\n此工况仅供比较"},
         true},
        {"typed inputs are shown as typed", typed,
         inputs({"H|柱撑高度|6.0|m", "B|柱撑宽度|8|m", "n|纵向榀数|2.0004|", "T|吊车刹车力|0.0004|kN",
                 "W|风荷载合力|3e1|kN"},
                kLimits),
         {"结论：按拉杆设计，L63x6 不满足要求（NG），长细比控制，比值 1.728。\n", "采用的设计：无。", "\n按拉杆设计\n"},
         false},
        {"Q355: class a", q355, inputs(kInputs, {q355Limits[0], "|设计方法|按压杆设计|", kLimits[2], kLimits[3], kLimits[4]}),
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
    // The mass as the table prints it; a row of its own where no angle passes.
    EXPECT_EQ(PropertyRows(worked)[1], "按拉杆|L110x7|110|7|15.196|3.414|2.197|11.9|自动选择");
    EXPECT_EQ(PropertyRows(PageOf(hopeless))[1], "按拉杆|没有满足要求的角钢");
    ExampleBay past = kWorked;  // L110x7 just past its limit: 301.6 against 300 is NG
    past.cells[0] = "6.483";
    past.b_mm = 110;
    past.t_mm = 7;
    const BayPage page = PageOf(past);
    EXPECT_EQ(CriteriaRows(page.cases[page.cases[0].title.find("拉杆") != std::string::npos ? 0 : 1])[0],
              "长细比 λ1 = max(λx, λy)|301.6|300|1.005|不满足|表 7.4.7");
}

TEST(ReportModel, EachFamilysPageWorksOutItsCasesAndJudgesThemByTheCheck) {
    // The worked bay (H 6, B 8, n 2, T 20, W 30): L 10 m, N1 31.25 kN,
    // N2 15.625 kN, Lx 5 m, Ly1 10 m, Ly2 7 m; the gusset 8 mm.
    const auto bay = [](const char* T, const char* W, double b, double t, SectionFamilyId family) {
        return ExampleBay{5, "", {"6", "8", "2", T, W}, b, t, SteelGrade::Q235, family};
    };
    const double none = std::nan("");
    const char* const kTeeHead = "设计|截面|b (mm)|t (mm)|A (cm²)|ix (cm)|iy (cm)|质量 (kg/m)|来源";
    const char* const kBarHead = "设计|截面|d (mm)|A (cm²)|i (cm)|质量 (kg/m)|来源";
    const char* const kNoBar = "按压杆|圆钢只能受拉，不进行压杆设计";
    struct Case {
        const char* why;
        ExampleBay bay;
        std::vector<std::string> properties;  // the head, then each case's row
        std::vector<std::string> texts;       // inputs, steps, headings, conclusions and notes
        std::vector<std::string> criteria;    // the adopted case's first; none listed: not compared
    };
    const Case cases[] = {
        // 2L63x6: A 2 x 7.2882, ix1 1.929, z0 1.777; iy = sqrt(1.929^2 + 2.177^2) = 2.909.
        // Tension: 1000 / 2.909 = 343.8 > 300; 80 i1 = 1543 mm, ceil(5000 / 1543) - 1 = 3 fillers.
        // Compression: 700 / 2.909 = 240.6, lambda_z 3.9 x 63 / 6 = 40.9, lambda_yz 241.7 under
        // lambda_x 500 / 1.929 = 259.2; 40 i1 = 772 mm, 6 fillers.
        {"2L T on an 8 mm gusset", bay("20", "30", 63, 6, SectionFamilyId::DoubleAngleT),
         {kTeeHead, "按拉杆|2L63x6|63|6|14.576|1.929|2.909|11.44|给定", "按压杆|2L63x6|63|6|14.576|1.929|2.909|11.44|给定"},
         {"g|节点板厚度|8|mm\n", "A = 2·A1 = 2 × 7.2882 = 14.576 cm²（GB/T 706-2016）\n",
          "iy = √(ix1² + (z0 + g/2)²) = √(1.929² + (1.777 + 0.80 / 2)²) = 2.909 cm\n",
          "λy = 100·Ly2/iy = 100 × 7.000 / 2.909 = 240.6（7.4.6）\n", "λz = 3.9·b/t = 3.9 × 63 / 6 = 40.9（7.2.2 第 2 款）\n",
          "λyz = λy·[1 + 0.16·(λz/λy)²]（λy ≥ λz） = 240.6 × [1 + 0.16 × (40.9 / 240.6)²] = 241.7（7.2.2 第 2 款）\n",
          "λφ = max(λx, λyz) = max(259.2, 241.7) = 259.2（7.2.2）\n", "λn = λφ/(93.014·εk) = 259.2 / (93.014 × 1.000)",
          "= b 类（表 7.2.1-1）", "σ2 = 1000·N2/(100·φ·A) = 1000 × 15.625 / (100 × 0.115 × 14.576) = 92.95 N/mm²（7.2.1）\n",
          "i1 = ix1（平行于填板的形心轴） = 1.929 cm（7.2.6）\n", "s = 80·i1（拉杆） = 80 × 10 × 1.929 = 1543.2 mm（7.2.6）\n",
          "n = ⌈(1000·L/2)/s⌉ − 1 = ⌈1000 × 10.000 / 2 / 1543.2⌉ − 1 = 3 块（节点至交叉点）（7.2.6）\n",
          "n = max(2, ⌈(1000·L/2)/s⌉ − 1) = max(2, ⌈1000 × 10.000 / 2 / 771.6⌉ − 1) = 6 块",
          "结论：按压杆设计，2L63x6 不满足要求（NG），长细比控制，比值 1.296。\n"},
         {"长细比 λ1 = max(λx, λy)|343.8|300|1.146|不满足|表 7.4.7", "强度 σ1|21.44 N/mm²|182.75 N/mm²|0.117|满足|表 7.1.3",
          "长细比 λ2 = max(λx, λy)|259.2|200|1.296|不满足|7.4.6 第 2 款", "稳定 σ2|92.95 N/mm²|215.00 N/mm²|0.432|满足|7.2.1、附录 D",
          "肢件宽厚比 w/t|8.50|37.40|0.227|满足|7.3.1", "端部截面强度 N2/A|10.72 N/mm²|182.75 N/mm²|0.059|满足|表 7.1.3"}},
        // 2L100x6+: b/t 16.67 over 15; I0 = 2 x 23.865 x 4.366^2 = 909.9 cm4, It = 2 x 19.4 x 0.6^3 / 3
        // = 2.794 cm4, lambda_z = sqrt(909.9 x 25.7 / 2.794) = 91.5 under lambda 700 / 4.366 = 160.3.
        {"2L+ with legs over 15 εk: torsion checked", bay("20", "30", 100, 6, SectionFamilyId::DoubleAngleCross),
         {"设计|截面|b (mm)|t (mm)|A (cm²)|ix0 (cm)|i (cm)|质量 (kg/m)|来源", "按拉杆|2L100x6+|100|6|23.865|3.905|4.366|18.74|给定",
          "按压杆|2L100x6+|100|6|23.865|3.905|4.366|18.74|给定"},
         {"采用的设计：按压杆设计，2L100x6+，18.740 kg/m，比值 0.802（OK）", "ix0 = ix0,1（最小） = 3.905 cm",
          "b/t = 100 / 6 = 16.67 > 15εk = 15.00（7.2.2 第 1 款：计算扭转屈曲）\n",
          "I0 = Ix + Iy = 2·A·i² = 2 × 23.865 × 4.366² = 909.949 cm⁴（7.2.2）\n",
          "It = 2·(2b − t)·t³/3 = 2 × (2 × 10.00 − 0.60) × 0.60³ / 3 = 2.794 cm⁴（7.2.2）\n",
          "λz = √(I0/(It/25.7))（Iω = 0） = √(909.949 / (2.794 / 25.7)) = 91.5（7.2.2 第 1 款）\n",
          "λφ = max(λ2, λz) = max(160.3, 91.5) = 160.3（7.2.2）\n", "i1 = iy0,1（一个角钢的最小回转半径） = 2.004 cm（7.2.6）\n"},
         {"长细比 λ2 = max(λx, λy)|160.3|200|0.802|满足|7.4.6 第 2 款", "稳定 σ2|23.80 N/mm²|215.00 N/mm²|0.111|满足|7.2.1、附录 D",
          "肢件宽厚比 w/t|14.67|21.00|0.698|满足|7.3.1", "端部截面强度 N2/A|6.55 N/mm²|182.75 N/mm²|0.036|满足|表 7.1.3",
          "长细比 λ1 = max(λx, λy)|229.0|300|0.763|满足|表 7.4.7", "强度 σ1|13.09 N/mm²|182.75 N/mm²|0.072|满足|表 7.1.3"}},
        {"2L+ with legs within 15 εk: φ at λ", bay("20", "30", 63, 6, SectionFamilyId::DoubleAngleCross), {},
         {"b/t = 63 / 6 = 10.50 ≤ 15εk = 15.00（7.2.2 第 1 款：不必计算扭转屈曲）\nλn = λ2/(93.014·εk) = 240.6 / "},
         {}},
        // D89x4: A = pi x 85 x 4 = 10.681 cm2, i = sqrt(89^2 + 81^2) / 4 = 30.09 mm; 312.5 / 10.681 = 29.26
        // against f itself; compression class a, D/t 22.25 against 100.
        {"seamless tube", bay("20", "30", 89, 4, SectionFamilyId::Tube),
         {"设计|截面|D (mm)|t (mm)|A (cm²)|i (cm)|质量 (kg/m)|来源", "按拉杆|D89x4|89|4|10.681|3.009|8.385|给定",
          "按压杆|D89x4|89|4|10.681|3.009|8.385|给定"},
         {"A = π·(D − t)·t = π × (8.90 − 0.40) × 0.40 = 10.681 cm²（GB/T 8162）\n",
          "i = √(D² + (D − 2t)²)/4 = √(8.90² + (8.90 − 2 × 0.40)²) / 4 = 3.009 cm\n", "m = 0.785·A = 0.785 × 10.681 = 8.385 kg/m\n",
          "f（Q235，无缝钢管，t = 4 mm） = 215 N/mm²（表 4.4.3）\n", "= a 类（表 7.2.1-1）：α1 = 0.41",
          "[D/t] = 100·εk² = 100 × 1.000² = 100.00（7.3.1 第 6 款）\n"},
         {"长细比 λ1 = max(λx, λy)|332.4|300|1.108|不满足|表 7.4.7", "强度 σ1|29.26 N/mm²|215.00 N/mm²|0.136|满足|7.1.1",
          "长细比 λ2 = max(λx, λy)|232.7|200|1.163|不满足|7.4.6 第 2 款", "稳定 σ2|97.83 N/mm²|215.00 N/mm²|0.455|满足|7.2.1、附录 D",
          "径厚比 D/t|22.25|100.00|0.223|满足|7.3.1 第 6 款"}},
        {"tubes sized for a small bay: the first passes", {6, "", {"3", "4", "1", "0", "10"}, 0, 0, SteelGrade::Q235, SectionFamilyId::Tube},
         {}, {"它是可选截面中最轻的一个。\n"}, {}},
        // D20 without cranes: N1 = 10 x 15 / 8 = 18.75 kN, 187.5 / 3.1416 = 59.68 against f 205 (d over 16).
        {"a tensioned bar has no slenderness limit and no compression case", bay("0", "30", 20, none, SectionFamilyId::RoundBar),
         {kBarHead, "按拉杆|D20|20|3.142|0.500|2.466|给定", kNoBar},
         {"A = π·d²/4 = π × 2.00² / 4 = 3.142 cm²（GB/T 702）\n", "i = d/4 = 2.00 / 4 = 0.500 cm\n",
          "f（Q235，d = 20 mm） = 205 N/mm²（表 4.4.1）\n",
          "λ = 100·Ly1/i（仅供参考） = 100 × 10.000 / 0.500 = 2000.0（表 7.4.7“除张紧的圆钢外”：不限长细比）\n",
          "采用的设计：按拉杆设计，D20，2.466 kg/m，比值 0.291（OK）", "\n供参考：按压杆设计\n圆钢只能受拉，不进行压杆设计。\n"},
         {"强度 σ1|59.68 N/mm²|205.00 N/mm²|0.291|满足|7.1.1"}},
        {"a bar below crane beams takes the limit", bay("20", "30", 20, none, SectionFamilyId::RoundBar), {},
         {"λx = 100·Lx1/i = 100 × 5.000 / 0.500 = 1000.0（7.4.7）\n"},
         {"长细比 λ1 = max(λx, λy)|2000.0|300|6.667|不满足|表 7.4.7", "强度 σ1|99.47 N/mm²|205.00 N/mm²|0.485|满足|7.1.1"}},
        // N1 = 10 x 500 / 8 = 625 kN: D60 (A 28.274, f 200) works at 221.05 N/mm2.
        {"no bar is strong enough: the last one tried, against f", bay("0", "1000", 0, 0, SectionFamilyId::RoundBar),
         {kBarHead, "按拉杆|没有满足要求的截面", kNoBar},
         {"结论：按拉杆设计，可选的截面中没有满足要求的（NG）。\n",
          "最后试算的 D60 不满足：强度 σ1 = 221.05 N/mm² > f = 200.00 N/mm²（比值 1.105）。其计算如下：\n"},
         {}},
    };
    for (const Case& c : cases) {
        const BayPage page = PageOf(c.bay);
        std::string text = PageText(page);
        for (const std::string& row : InputRows(page)) text += row + "\n";
        for (const std::string& expected : c.texts) {
            EXPECT_NE(text.find(expected), std::string::npos) << c.why << ": " << expected << "\nin\n" << text;
        }
        if (!c.properties.empty()) {
            EXPECT_EQ(PropertyRows(page), c.properties) << c.why;
        }
        std::vector<std::string> criteria;
        for (const CaseReport& dc : page.cases) {
            const auto rows = CriteriaRows(dc);
            criteria.insert(criteria.end(), rows.begin(), rows.end());
        }
        if (!c.criteria.empty()) {
            EXPECT_EQ(criteria, c.criteria) << c.why;
        }
    }
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
    // The load a frame takes as each check takes it, with the step's numbers: the design both forces
    // the same way, either way, so its arrow points both ways (W = 30, T = -20, n = 2: (30 + 20)/2 = 25);
    // the dialog as typed, one way ((30 - 20)/2 = 5).
    ExampleBay opposed = kWorked;
    opposed.cells[3] = "-20";
    ExampleBay trial = kTrial;
    trial.cells[3] = "-20";
    const struct {
        ExampleBay bay;
        const char* label;
        long heads;
    } loads[] = {{opposed, "P = (|W| + |T|)/n = 25.000 kN", 2}, {trial, "P = (W + T)/n = 5.000 kN", 1}};
    for (const auto& c : loads) {
        const Sketch sketch = PageOf(c.bay).sketch;
        // Whole: it ends at the arrow's far end, with the sketch's width before it.
        EXPECT_TRUE(std::any_of(sketch.marks.begin(), sketch.marks.end(),
                                [&](const SketchMark& m) { return m.text == c.label && !m.squeezed; })) << c.label;
        EXPECT_EQ(std::count_if(sketch.marks.begin(), sketch.marks.end(),
                                [](const SketchMark& m) { return m.kind == MarkKind::Polygon; }), c.heads) << c.label;
    }
}

TEST(ReportModel, SectionIsDrawnToScaleWithTheGussetBetweenItsAnglesAndItsAxes) {
    // Drawn in mm times one scale: the gusset g over a leg b, a tube's bore
    // (D - 2t) over D; an angle's back on a face of the gusset; the axes
    // cross at the centroid, z0 from the angle's back (GB/T 706's z0).
    const auto bay = [](double b, double t, SectionFamilyId family) {
        return ExampleBay{5, "", {"6", "8", "2", "20", "30"}, b, t, SteelGrade::Q235, family};
    };
    struct Case {
        const char* why;
        ExampleBay bay;
        std::vector<std::string> labels;  // in the order drawn
        std::size_t angles;
        std::vector<const char*> circles;
    };
    const Case cases[] = {
        {"one angle, a leg on the gusset", bay(110, 7, SectionFamilyId::EqualAngle),
         {"x", "y", "x0", "y0", "L110x7", "节点板 t = 8 mm"}, 1, {}},
        {"2L back to back", bay(63, 6, SectionFamilyId::DoubleAngleT), {"x", "y", "2L63x6", "节点板 t = 8 mm"}, 2, {}},
        {"2L+ heel to heel", bay(100, 6, SectionFamilyId::DoubleAngleCross),
         {"x", "y", "x0", "y0", "2L100x6+", "节点板 t = 8 mm"}, 2, {}},
        {"tube", bay(89, 4, SectionFamilyId::Tube), {"x", "y", "D89x4"}, 0, {"section", "bore"}},
        {"bar", bay(20, std::nan(""), SectionFamilyId::RoundBar), {"x", "y", "D20"}, 0, {"section"}},
    };
    struct Bounds {
        double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    };
    const auto bounds = [](const SketchMark& m) {
        Bounds b;
        for (const SketchPoint& p : m.points) {
            b = {std::min(b.left, p.x), std::max(b.right, p.x), std::min(b.top, p.y), std::max(b.bottom, p.y)};
        }
        return b;
    };
    const auto near = [](double a, double b) { return std::abs(a - b) < 1e-6; };
    for (const Case& c : cases) {
        PreparedBay prepared;
        Prepare(c.bay, prepared);
        const Section& s = prepared.given;
        const Sketch sketch = PageOf(c.bay).sectionSketch;
        std::vector<std::string> labels;
        std::vector<Bounds> angles, gussets;
        std::vector<const SketchMark*> circles;
        for (const SketchMark& m : sketch.marks) {
            if (m.kind == MarkKind::Label) labels.push_back(m.text);
            if (m.kind == MarkKind::Path) (m.style == std::string("section") ? angles : gussets).push_back(bounds(m));
            if (m.kind == MarkKind::Circle) circles.push_back(&m);
        }
        EXPECT_EQ(labels, c.labels) << c.why;
        ExpectLabelsInside(sketch, c.why);
        ASSERT_EQ(angles.size(), c.angles) << c.why;
        ASSERT_EQ(gussets.size(), c.angles > 0 ? 1u : 0u) << c.why;
        ASSERT_EQ(circles.size(), c.circles.size()) << c.why;
        // The axes: x across, y upright, and the principal ones at 45°.
        double cx = 0, cy = 0;
        for (const auto& axis : Lines(sketch, "axis")) {
            if (near(axis[0], axis[2])) cx = axis[0];
            if (near(axis[1], axis[3])) cy = axis[1];
            EXPECT_TRUE(near(axis[0], axis[2]) || near(axis[1], axis[3]) ||
                        near(std::abs(axis[2] - axis[0]), std::abs(axis[3] - axis[1]))) << c.why;
        }
        EXPECT_EQ(Lines(sketch, "axis").size(), c.labels.size() - 1 - (c.angles > 0)) << c.why << ": one an axis label";
        if (c.angles > 0) {
            const Bounds& gusset = gussets[0];
            const double scale = (gusset.right - gusset.left) / prepared.design.gusset_mm;
            const double z0 = 10.0 * s.z0_cm * scale;
            for (const Bounds& a : angles) {
                EXPECT_TRUE(near(a.right - a.left, s.b_mm * scale) && near(a.bottom - a.top, s.b_mm * scale)) << c.why;
                EXPECT_TRUE(near(a.left, gusset.right) || near(a.right, gusset.left)) << c.why << ": its back on the gusset";
            }
            if (c.angles == 1) {  // the heel z0 from the centroid both ways
                EXPECT_TRUE(near(cx - angles[0].left, z0) && near(angles[0].bottom - cy, z0)) << c.why;
            } else {  // the pair about the gusset's middle: a mirror, or a half turn for the cross
                EXPECT_TRUE(near(cx, (gusset.left + gusset.right) / 2)) << c.why;
                EXPECT_TRUE(near(angles[0].left - cx, cx - angles[1].right)) << c.why;
                const bool cross = c.bay.family == SectionFamilyId::DoubleAngleCross;
                EXPECT_TRUE(cross ? near(cy - angles[0].bottom, angles[1].top - cy) : near(cy - angles[0].top, z0)) << c.why;
            }
        }
        for (std::size_t k = 0; k < circles.size(); ++k) {
            EXPECT_EQ(circles[k]->style, std::string(c.circles[k])) << c.why;
            EXPECT_TRUE(near(circles[k]->x[0], cx) && near(circles[k]->y[0], cy)) << c.why;
        }
        if (circles.size() == 2) {
            EXPECT_TRUE(near(circles[1]->radius / circles[0]->radius, (s.b_mm - 2 * s.t_mm) / s.b_mm)) << c.why;
        }
    }
}

TEST(ReportModel, SummaryListsEveryBayAndEveryLineLeftOut) {
    const std::string header = "bay,H,B,n,T,W,section\n";
    struct Case {
        const char* why;
        std::string input;
        std::vector<std::string> rows;  // mark|lines|title|H|B|results|note
        int results;                    // columns after H and B
        std::string count;
        bool incomplete;
        std::size_t pages;
    };
    const Case cases[] = {
        {"a refused bay has a line and no page; NG is marked, not only by colour",
         header + "ok,6,8,2,20,30,\nzero,0,8,2,20,30,\nng,6,8,2,20,30,L63x6\n",
         // Each case sizes its own section; the given L63x6 fails both, its ratios show by how much.
         {"|2|ok|6|8|L110x7|0.976|L150x8|0.830|按拉杆|L110x7|11.900|OK", "|3|zero|0|8|参数不能为负数和零",
          "※|4|ng|6|8|L63x6|1.728|L63x6|2.688|无|||NG"},
         8,
         "共 3 行：满足 1 个，不满足 1 个（※，NG），未计算 1 个（参数有误，无计算页），未读入 0 行。", false, 2},
        {"rows of the wrong width and an unclosed quote: the lines standard error names",
         header + "ok,6,8,2,20,30,\nwide,6,8,2,20,30,,x\nzero,0,8,2,20,30,\n\"open,6,8,2,20,30,\nx,6,8,2,20,30,\ny,6,8,2,20,30,\n",
         {"|2|ok|6|8|L110x7|0.976|L150x8|0.830|按拉杆|L110x7|11.900|OK", "※|3|未读入：8 个字段，而表头有 7 个；该行略去",
          "|4|zero|0|8|参数不能为负数和零",
          "※|5 至 7|未读入：第 1 个字段（bay）开头的引号未闭合；第 5 至 7 行略去"},
         8,
         "共 6 行：满足 1 个，不满足 0 个（※，NG），未计算 1 个（参数有误，无计算页），未读入 4 行。", true, 1},
        {"A and i typed: the dialog's results", "bay,H,B,n,T,W,A,i\nt,6,8,2,20,30,12,3\n,6,8\n",
         {"|2|t|6|8|31.250|26.04|0.1403|92.81", "※|3|未读入：3 个字段，而表头有 8 个；该行略去"},
         4,
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
                EXPECT_EQ(row.noteColumns, c.results + (row.bay ? 0 : 3)) << c.why;
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
